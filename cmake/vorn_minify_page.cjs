// node vorn_minify_page.cjs <in> <out>: one of the page's own files as a player downloads it,
// its comments and spare white space gone, through Debian's terser (node-terser) for its script:
//   .html  the page (it holds no script or style: its content policy allows none inline)
//   .js    its script, whose names are shortened but `Module`, which Emscripten's script reads
//   .css   its style sheet
// The source stays readable.
"use strict";
const fs = require("fs");
const { minify } = require("terser");

const [input, output] = process.argv.slice(2);

const css = (text) => text.replace(/\/\*[\s\S]*?\*\//g, "").replace(/\s+/g, " ")
    .replace(/\s*([{};,>])\s*/g, "$1").replace(/:\s+/g, ":").replace(/;}/g, "}").trim() + "\n";

// Runs of white space are one space to a browser.
const html = (text) => text.replace(/<!--[\s\S]*?-->/g, "").replace(/\s+/g, " ")
    .replace(/> </g, ">\n<").trim() + "\n";

async function script(text) {
    const result = await minify(text, {
        compress: { top_retain: ["Module"] },
        mangle: { reserved: ["Module"] },
        toplevel: true,
    });
    return result.code + "\n";
}

async function main() {
    const text = fs.readFileSync(input, "utf8");
    const kinds = { ".html": html, ".js": script, ".css": css };
    const kind = kinds[input.slice(input.lastIndexOf("."))];
    if (!kind) throw new Error("not a page's file: .html, .js or .css");
    fs.writeFileSync(output, await kind(text));
}

main().catch((error) => {
    console.error(`${input}: ${error.message}`);
    process.exit(1);
});
