// node vorn_minify_page.cjs <in.html> <out.html>: the page as a player downloads it, through
// Debian's terser (node-terser): its comments and spare white space gone, its own script's names
// shortened but `Module`, which Emscripten's script reads. The source stays readable.
"use strict";
const fs = require("fs");
const { minify } = require("terser");

const [input, output] = process.argv.slice(2);

const css = (text) => text.replace(/\/\*[\s\S]*?\*\//g, "").replace(/\s+/g, " ")
    .replace(/\s*([{};,>])\s*/g, "$1").replace(/:\s+/g, ":").replace(/;}/g, "}").trim();

async function main() {
    let html = fs.readFileSync(input, "utf8").replace(/<!--[\s\S]*?-->/g, "");
    const parts = html.split(/(<style>[\s\S]*?<\/style>|<script>[\s\S]*?<\/script>)/);
    for (let i = 1; i < parts.length; i += 2) {
        if (parts[i].startsWith("<style>")) {
            parts[i] = `<style>${css(parts[i].slice(7, -8))}</style>`;
        } else {
            const result = await minify(parts[i].slice(8, -9), {
                compress: { top_retain: ["Module"] },
                mangle: { reserved: ["Module"] },
                toplevel: true,
            });
            parts[i] = `<script>${result.code}</script>`;
        }
    }
    // Outside the style and the script: runs of white space are one space to a browser.
    for (let i = 0; i < parts.length; i += 2) parts[i] = parts[i].replace(/\s+/g, " ");
    fs.writeFileSync(output, parts.join("").replace(/> </g, ">\n<").trim() + "\n");
}

main().catch((error) => {
    console.error(`${input}: ${error.message}`);
    process.exit(1);
});
