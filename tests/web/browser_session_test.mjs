// The static server the browser scripts share: a folder's address is its index.html, each file
// goes with the type a browser needs to run it (WebAssembly is compiled only as
// application/wasm), names are taken decoded, and a file it cannot read is a 404.
//   node browser_session_test.mjs    (no browser needed)
import assert from "node:assert/strict";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { test } from "node:test";

import { serve, siteOf } from "./browser_session.mjs";

test("the server answers what fileFor names, with its type", async () => {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "vorn-serve-"));
    fs.mkdirSync(path.join(folder, "a b"));
    fs.writeFileSync(path.join(folder, "a b", "index.html"), "<p>page</p>");
    fs.writeFileSync(path.join(folder, "vorngame.wasm"), "\0asm");
    fs.writeFileSync(path.join(folder, "manifest.webmanifest"), "{}");
    const asked = [];
    const server = await serve((name) => {
        asked.push(name);
        return path.join(folder, name);
    });
    const get = async (where) => {
        const response = await fetch(`${siteOf(server)}/${where}`);
        return [response.status, response.headers.get("content-type"), await response.text()];
    };
    try {
        assert.deepEqual(await get("a%20b/"), [200, "text/html", "<p>page</p>"]);
        assert.deepEqual(await get("vorngame.wasm"), [200, "application/wasm", "\0asm"]);
        assert.deepEqual(await get("manifest.webmanifest"),
            [200, "application/manifest+json", "{}"]);
        assert.deepEqual((await get("missing.js")).slice(0, 2), [404, "text/javascript"]);
        assert.deepEqual(asked,
            ["a b/index.html", "vorngame.wasm", "manifest.webmanifest", "missing.js"]);
    } finally {
        server.close();
        fs.rmSync(folder, { recursive: true });
    }
});
