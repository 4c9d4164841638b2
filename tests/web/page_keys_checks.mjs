// The page played by keys in a real browser, Debian's Chromium or Firefox, driven by
// puppeteer-core with real key events: the first frame, moves, a held key, Space and Up, the
// end, a build without one of its images, and a lost WebGL context. Screenshots of the canvas are
// read pixel by pixel.   node page_keys_checks.mjs chromium|firefox   (page_session.mjs)
import assert from "node:assert/strict";
import { test } from "node:test";

import { until } from "./browser_session.mjs";
import { open } from "./page_session.mjs";
import { WELL, expectWellAndPiece, filledCells, firstFrame, frame, leftEdgeAfterMoving,
    litPixels, pause, pieceBounds } from "./well.mjs";

// The animation frames the page asks for and is given, and how many it was still waiting for
// when the exit code came.
function countFrames() {
    const request = window.requestAnimationFrame.bind(window);
    const frames = window.vornFrames = { asked: 0, given: 0, waitingAtExit: -1 };
    window.requestAnimationFrame = (callback) => {
        ++frames.asked;
        return request((time) => {
            ++frames.given;
            callback(time);
        });
    };
    const log = console.log.bind(console);
    console.log = (text, ...rest) => {
        if (String(text).startsWith("vorngame: exit code"))
            frames.waitingAtExit = frames.asked - frames.given;
        log(text, ...rest);
    };
}

test("the page plays: first frame, Left, a held key, Escape, and no turn after it", async () => {
    const { page, seen } = await open("full", countFrames);
    const first = await firstFrame(page);
    assert.equal(await page.title(), "VornGame");
    assert.deepEqual(await page.evaluate(() => [document.hasFocus(), document.activeElement.id]),
        [true, "canvas"], "the page has the keyboard focus, and the canvas has it in the page");
    const piece = expectWellAndPiece(first);
    assert.ok(litPixels(first, 400, 100, 192, 72) > 100, "the read-out is drawn");

    await page.keyboard.press("ArrowLeft");
    const afterLeft = await leftEdgeAfterMoving(page, piece.left);
    assert.equal(afterLeft, piece.left - WELL.cell, "Left moves the piece one column");
    await page.keyboard.press("ArrowDown");

    // Held: a press, then repeats; nothing moves until the one release.
    await page.keyboard.down("ArrowRight");
    for (let repeat = 0; repeat < 5; ++repeat) await page.keyboard.down("ArrowRight");
    await pause(400);
    assert.equal(pieceBounds(await frame(page)).left, afterLeft, "a held key does nothing yet");
    await page.keyboard.up("ArrowRight");
    assert.equal(await leftEdgeAfterMoving(page, afterLeft), afterLeft + WELL.cell,
        "the release moves the piece one column");
    assert.ok(await page.evaluate(() => document.documentElement.scrollHeight > window.innerHeight),
        "the page could scroll");
    assert.equal(await page.evaluate(() => window.scrollY), 0, "the game's keys do not scroll");

    // A click gives the canvas the focus back; the button shows it full screen and leaves the
    // keys with it. Leaving full screen, then a new Escape, ends the game.
    await page.evaluate(() => document.activeElement.blur());
    await page.click("#canvas");
    assert.equal(await page.evaluate(() => document.activeElement.id), "canvas");
    await page.click("#fullscreen");
    const fullscreenId = () => page.evaluate(() => document.fullscreenElement?.id);
    await until("full screen", async () => (await fullscreenId()) === "canvas");
    assert.equal(await page.evaluate(() => document.activeElement.id), "canvas");
    await page.evaluate(() => document.exitFullscreen());
    await until("full screen left", async () => (await fullscreenId()) === undefined);

    await page.keyboard.press("Escape");
    await until("the exit code", () => seen.console.includes("vorngame: exit code 0"));
    const frames = await page.evaluate(() => ({ ...window.vornFrames }));
    assert.equal(frames.waitingAtExit, 0, "the loop asked for no turn after the run ended");
    await pause(300);
    assert.equal(await page.evaluate(() => window.vornFrames.asked), frames.asked,
        "nor any later");
    const ended = await page.evaluate(() => ({
        canvasShown: document.getElementById("canvas").checkVisibility(),
        line: document.getElementById("ended").checkVisibility()
            ? document.getElementById("ended").textContent : "",
    }));
    assert.equal(ended.canvasShown, false, "the canvas is gone");
    assert.match(ended.line, /game has ended/);
    assert.deepEqual(seen.boxes, []);
    await page.close();
});

// --- Space and Up, read off the well's cells ---

const sorted = (cells) => cells.map(String).sort().join(" ");
const shifted = (cells, rows) => cells.map(([column, row]) => [column, row + rows]);
const extent = (cells, axis) => Math.max(...cells.map((cell) => cell[axis])) -
    Math.min(...cells.map((cell) => cell[axis])) + 1;

// The falling piece stays in the upper half of the well and what has landed in the lower, for
// the few pieces this check drops.
const fallingPiece = async (page) => filledCells(await frame(page), 0, WELL.rows / 2);
const landedCells = async (page) => filledCells(await frame(page), WELL.rows / 2, WELL.rows);

// The piece's cells a quarter turn on, as the game turns them: about the cell at the middle of
// the unturned shape's box, rounded towards its top-left, (dx, dy) from it going to (dy, -dx).
function turned(cells) {
    const left = Math.min(...cells.map((cell) => cell[0]));
    const top = Math.min(...cells.map((cell) => cell[1]));
    const pivot = [left + Math.floor((extent(cells, 0) - 1) / 2),
        top + Math.floor((extent(cells, 1) - 1) / 2)];
    return cells.map(([column, row]) =>
        [pivot[0] + (row - pivot[1]), pivot[1] - (column - pivot[0])]);
}

// Space, then the next piece at the top of the well; answers it.
async function drop(page, landedBefore) {
    await page.keyboard.press(" ");  // Space; Firefox's driver knows it by its character only
    await until("the piece lands", async () =>
        (await landedCells(page)).length === landedBefore + 4);
    return until("the next piece", async () => {
        const piece = await fallingPiece(page);
        return piece.length === 4 && Math.min(...piece.map((cell) => cell[1])) <= 1 ? piece : null;
    });
}

test("Space drops the piece to the floor, Up turns the next a quarter turn", async () => {
    const { page } = await open("full");
    const first = await until("the first piece", async () => {
        const piece = await fallingPiece(page);
        return piece.length === 4 ? piece : null;
    });
    // Released, Space lets the piece fall at once; it lands on the floor of the empty well, in
    // the columns it fell in, and the next piece comes in at the top.
    let piece = await drop(page, 0);
    const floor = WELL.rows - 1 - Math.max(...first.map((cell) => cell[1]));
    assert.equal(sorted(await landedCells(page)), sorted(shifted(first, floor)),
        "the piece landed on the floor below where it was");
    assert.equal(await page.evaluate(() => window.scrollY), 0, "Space does not scroll the page");

    // A square looks the same turned: dropped too (at most three, in the stack's few rows).
    for (let dropped = 1; dropped < 4 && extent(piece, 0) === extent(piece, 1); ++dropped)
        piece = await drop(page, 4 * dropped);
    assert.notEqual(extent(piece, 0), extent(piece, 1), "a piece that is not square");
    // Two rows down first: at the top of the well a turned piece has no room.
    piece = await until("the piece two rows down", async () => {
        await page.keyboard.press("ArrowDown");
        const now = await fallingPiece(page);
        return now.length === 4 && Math.min(...now.map((cell) => cell[1])) >= 2 ? now : null;
    });
    // The last Down may have let it fall once more since; then it rests for a whole second.
    await pause(200);
    piece = await fallingPiece(page);
    await page.keyboard.press("ArrowUp");
    // The turn is drawn over 100 ms; the piece may fall a row or two meanwhile.
    await pause(400);
    const after = await fallingPiece(page);
    const expected = turned(piece);
    assert.ok([0, 1, 2].some((fell) => sorted(after) === sorted(shifted(expected, fell))),
        `Up turned ${sorted(piece)} to ${sorted(after)}, not to ${sorted(expected)} or lower`);
    await page.close();
});

test("a build without score.raw plays, with a blank score label and one warning", async () => {
    const { page, seen } = await open("noscore");
    const first = await firstFrame(page);
    expectWellAndPiece(first);
    assert.equal(litPixels(first, 400, 100, 64, 32), 0, "no score label");
    assert.ok(litPixels(first, 400, 140, 64, 32) > 20, "the level label is there");
    const warnings = seen.console.filter((line) => line.includes(".raw"));
    assert.deepEqual(warnings, ['vorngame: image file "score.raw" cannot be opened: ' +
        "No such file or directory; its missing pixels are left blank"]);
    await page.close();
});

test("a lost WebGL context comes back: a line says so meanwhile, and the keys act after", async () => {
    const { page, seen } = await open("full");
    await firstFrame(page);
    const lineShown = () =>
        page.evaluate(() => document.getElementById("context-lost").checkVisibility());
    assert.equal(await lineShown(), false, "no line while the context is there");

    await page.evaluate(() => {
        const canvas = document.getElementById("canvas");
        window.vornLoseContext = canvas.getContext("webgl").getExtension("WEBGL_lose_context");
        window.vornLoseContext.loseContext();
    });
    await until("the line that says the picture is lost", lineShown);
    // Refused unless the page prevented the default when the context was lost.
    await page.evaluate(() => window.vornLoseContext.restoreContext());
    await until("the line gone", async () => !(await lineShown()));
    const restored = await firstFrame(page, "a frame after the restore");
    const piece = expectWellAndPiece(restored);
    assert.ok(litPixels(restored, 400, 100, 192, 72) > 100, "the read-out is drawn again");

    await page.keyboard.press("ArrowLeft");
    assert.equal(await leftEdgeAfterMoving(page, piece.left), piece.left - WELL.cell,
        "Left moves the piece one column");
    assert.ok(!seen.console.some((line) => line.includes("exit code")), "the game goes on");
    assert.deepEqual(seen.boxes, []);
    await page.close();
});
