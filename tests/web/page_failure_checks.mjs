// The page's failures, each told in words, in a real browser: no WebGL, a file the server does
// not have, a page opened as a file.   node page_failure_checks.mjs chromium|firefox
// (page_session.mjs)
import assert from "node:assert/strict";
import path from "node:path";
import { test } from "node:test";

import { browsers, loadPuppeteer, until } from "./browser_session.mjs";
import { browserName, endedLine, nodeModules, open, pageFolder, visible } from "./page_session.mjs";

test("a browser without WebGL is told so in the shell's words, and the run ends", async () => {
    const withoutWebGL = () => {
        const original = HTMLCanvasElement.prototype.getContext;
        HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {
            return String(kind).includes("webgl") ? null : original.call(this, kind, ...rest);
        };
    };
    const { page, seen } = await open("full", withoutWebGL);
    await until("the run ends", () => seen.console.some((line) => line.includes("exit code")));
    assert.deepEqual(seen.boxes, []);
    assert.ok(seen.console.includes(
        "vorngame: ERROR: Can't Create A GL Rendering Context. (the browser offers no WebGL)"));
    assert.ok(seen.console.includes("vorngame: exit code 1"));
    await page.close();
});

test("each file the server does not have is named, with the server's answer", async () => {
    for (const file of ["vorngame.data", "vorngame.wasm", "vorngame.js"]) {
        const { page, seen } = await open(`no-${file}`);
        const line = await endedLine(page);
        assert.match(line, new RegExp(`${file} could not be downloaded: the server answers HTTP 404`));
        assert.doesNotMatch(line, /[Rr]eloading/);
        assert.equal(await visible(page, "#canvas"), false, `the canvas is gone without ${file}`);
        assert.deepEqual(seen.boxes, []);
        await page.close();
    }
});

test("a page opened as a file says to serve it", async () => {
    const { page } = await open(`file://${path.resolve(pageFolder)}/index.html`);
    assert.match(await endedLine(page), /opened as a file.*scripts\/play-web.*static web server/);
    await page.close();
});

test("a browser without WebGL: the page says so and what to try", async () => {
    const withoutWebGL = await browsers[browserName](loadPuppeteer(nodeModules),
        { withoutWebGL: true });
    try {
        const { page, seen } = await open("full", null, { inBrowser: withoutWebGL.browser });
        const line = await endedLine(page);
        assert.match(line, /no WebGL.*another browser.*hardware acceleration/);
        assert.doesNotMatch(line, /[Rr]eloading/);
        assert.deepEqual(seen.boxes, []);
    } finally {
        await withoutWebGL.browser.close();
        withoutWebGL.stop();
    }
});
