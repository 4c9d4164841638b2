// The picture check: frames drawn in the browser through the web build's own GL against the
// same frames drawn natively by Mesa (vorn_web_picture_reference): the full well, drawn
// unfiltered, a piece turning part way, drawn with linear filtering, and a frame that changes
// the GL state between quads, as the game's own never do (state_change_scene.h); then the full
// well drawn again once the page has lost its WebGL context and had it back. The page compares
// them itself and hands back only the outcome: a whole frame sent back over the browser's driver
// connection takes seconds.
//   node picture_check.mjs    with VORN_WEB_PICTURE_PAGE (the page's folder) and
//                             VORN_WEB_PICTURE_REFERENCE (the native frame) in the environment;
//                             VORN_WEB_BROWSER=firefox runs it in Firefox (on an X server
//                             of its own; ctest runs it in each browser)
import assert from "node:assert/strict";
import fs from "node:fs";
import path from "node:path";
import { test } from "node:test";

import { DESKTOP, browsers, loadPuppeteer, serve, setSize, siteOf, until } from "../browser_session.mjs";

const puppeteer = loadPuppeteer();

const pageFolder = process.env.VORN_WEB_PICTURE_PAGE;
const referenceFile = process.env.VORN_WEB_PICTURE_REFERENCE;
const [WIDTH, HEIGHT, TOLERANCE] = [800, 600, 2];
// The full well lies on whole pixels: every pixel must match. A piece turned part way has edges
// across pixels and is filtered between texels, where two rasterisers may differ a little in
// coverage and in the weights' rounding (here 12 of its 480,000 pixels, at one edge pixel by
// 127); drawing it unfiltered put 372 apart.
// Each must show more than `lit` lit pixels, so that two blank frames cannot pass: the full well
// is 300 x 480 pixels; a piece is 4 blocks; the state changes are eight quads, 34,816 pixels.
const SCENES = [{ name: "the full well at rest", allowedApart: 0, lit: 145000 },
    { name: "a piece turning", allowedApart: 20, lit: 3000 },
    { name: "the GL state changed between quads", allowedApart: 0, lit: 30000 }];
// The session's textures are made before the loss only: they and the GL state come back, or
// this frame is not the native one.
const RESTORED = { name: "the full well after a lost context", reference: 0, allowedApart: 0,
    lit: 145000 };

// The page, and the native frames beside it.
const servePage = () =>
    serve((name) => (name === "reference.rgb" ? referenceFile : path.join(pageFolder, name)));

// Runs in the page: each drawn frame is RGBA with its bottom row first, the reference frames RGB
// with their top row first, one after the other. With `restoredFrom`, the frame drawn after the
// restore against that reference frame.
async function compareInPage(width, height, tolerance, restoredFrom) {
    const reference = new Uint8Array(await (await fetch("reference.rgb")).arrayBuffer());
    const frameBytes = width * height * 3;
    const pictures = restoredFrom === undefined ? Module.vornPictures || []
        : [Module.vornRestoredPicture || new Uint8Array(0)];
    return pictures.map((drawn, index) => {
        const frame = restoredFrom === undefined ? index : restoredFrom;
        const outcome = { drawnBytes: drawn.length, differing: 0, worst: 0, lit: 0,
            firstDiffering: [] };
        if (reference.length < (frame + 1) * frameBytes || drawn.length !== width * height * 4)
            return outcome;
        for (let y = 0; y < height; ++y) {
            for (let x = 0; x < width; ++x) {
                const d = ((height - 1 - y) * width + x) * 4;
                const r = frame * frameBytes + (y * width + x) * 3;
                let apart = 0;
                for (let c = 0; c < 3; ++c)
                    apart = Math.max(apart, Math.abs(drawn[d + c] - reference[r + c]));
                outcome.worst = Math.max(outcome.worst, apart);
                outcome.lit += reference[r] + reference[r + 1] + reference[r + 2] > 0 ? 1 : 0;
                if (apart <= tolerance) continue;
                ++outcome.differing;
                if (outcome.firstDiffering.length < 5)
                    outcome.firstDiffering.push({ x, y, drawn: [...drawn.subarray(d, d + 3)],
                        reference: [...reference.subarray(r, r + 3)] });
            }
        }
        return outcome;
    });
}

function expectMatches(t, scene, outcome) {
    assert.equal(outcome.drawnBytes, WIDTH * HEIGHT * 4, `${scene.name}: a whole frame read`);
    assert.ok(outcome.lit > scene.lit, `${scene.name}: ${outcome.lit} lit`);
    assert.ok(outcome.differing <= scene.allowedApart,
        `${scene.name}: ${outcome.differing} pixels apart by more than ${TOLERANCE} (the ` +
        `worst by ${outcome.worst}); the first: ${JSON.stringify(outcome.firstDiffering)}`);
    t.diagnostic(`${scene.name}: ${outcome.lit} lit pixels, ${outcome.differing} apart by ` +
        `more than ${TOLERANCE}, the worst by ${outcome.worst}`);
}

test("the frames in the browser are the ones Mesa draws natively", async (t) => {
    assert.ok(pageFolder && referenceFile, "VORN_WEB_PICTURE_PAGE and VORN_WEB_PICTURE_REFERENCE");
    const server = await servePage();
    const { browser, stop } = await browsers[
        process.env.VORN_WEB_BROWSER === "firefox" ? "firefox" : "chromium"](puppeteer);
    try {
        const page = await browser.newPage();
        // The canvas shown 800x600 at one device pixel to the CSS pixel: the window opens with a
        // drawing buffer of the size it is shown with, which the frames are read at.
        await setSize(page, DESKTOP);
        const console = [];
        page.on("console", (message) => console.push(message.text()));
        // The page's word on its console, within half a minute.
        const said = (line) => until(`the page says "${line}"`, () => console.includes(line), 30)
            .catch((error) => assert.fail(`${error.message}; it said: ${console.join(" | ")}`));
        await page.goto(`${siteOf(server)}/`);
        await said("vorn_picture: drawn");
        const outcomes = await page.evaluate(compareInPage, WIDTH, HEIGHT, TOLERANCE);
        assert.equal(fs.statSync(referenceFile).size, SCENES.length * WIDTH * HEIGHT * 3,
            "the reference holds every frame");
        assert.equal(outcomes.length, SCENES.length, "the page drew every frame");
        outcomes.forEach((outcome, frame) => expectMatches(t, SCENES[frame], outcome));

        await said("vorn_picture: restored");
        const [again] = await page.evaluate(compareInPage, WIDTH, HEIGHT, TOLERANCE,
            RESTORED.reference);
        expectMatches(t, RESTORED, again);
    } finally {
        await browser.close();
        stop();
        server.close();
    }
});
