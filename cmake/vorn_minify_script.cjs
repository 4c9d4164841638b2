// node vorn_minify_script.cjs <in.js> <out.js>: the page's script as a player downloads it,
// through Debian's terser (node-terser), every name shortened but the page's `Module`.
// Emscripten's own minifying only drops the white space.
"use strict";
const fs = require("fs");
const { minify } = require("terser");

const [input, output] = process.argv.slice(2);
minify(fs.readFileSync(input, "utf8"), {
    compress: {},
    mangle: { reserved: ["Module"] },
    toplevel: true,
}).then(
    (result) => fs.writeFileSync(output, result.code),
    (error) => {
        console.error(`${input}: ${error.message}`);
        process.exit(1);
    });
