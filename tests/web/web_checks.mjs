// The web build in a real browser, Debian's Chromium or Firefox, driven by puppeteer-core with
// real key events, on the page as a static server on 127.0.0.1 serves it. Screenshots of the
// canvas are read pixel by pixel.
//   node web_checks.mjs chromium|firefox
//     with VORN_WEB_PAGE (the page's folder), VORN_WEB_PAGE_WITHOUT_SCORE (the same page packed
//     without score.raw) and VORN_NODE_MODULES (where `npm ci` put puppeteer-core, in the build
//     tree) in the environment
import assert from "node:assert/strict";
import path from "node:path";
import { after, before, test } from "node:test";
import zlib from "node:zlib";

import { browsers, loadPuppeteer, serve, siteOf } from "./browser_session.mjs";

const browserName = process.argv[2];
const pageFolder = process.env.VORN_WEB_PAGE;
const pageWithoutScore = process.env.VORN_WEB_PAGE_WITHOUT_SCORE;
const nodeModules = process.env.VORN_NODE_MODULES;
const GREY = [63, 63, 63];
const WELL = { x: 50, y: 44, cell: 30, columns: 10, rows: 16 };

// --- The pages, each under a site name of its own ---

function serveSites(folders) {
    return serve((name) => {
        const [site, ...rest] = name.split("/");
        return path.join(folders[site] || "/nonexistent", rest.join("/") || "index.html");
    });
}

// --- Pixels of a PNG screenshot (8-bit RGB or RGBA, not interlaced) ---

function paeth(a, b, c) {
    const p = a + b - c;
    const [pa, pb, pc] = [Math.abs(p - a), Math.abs(p - b), Math.abs(p - c)];
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

function decodePng(png) {
    let offset = 8;
    let width = 0, height = 0, channels = 0;
    const data = [];
    while (offset < png.length) {
        const length = png.readUInt32BE(offset);
        const type = png.toString("latin1", offset + 4, offset + 8);
        const body = png.subarray(offset + 8, offset + 8 + length);
        if (type === "IHDR") {
            [width, height] = [body.readUInt32BE(0), body.readUInt32BE(4)];
            channels = body[9] === 6 ? 4 : 3;
            assert.equal(body[8], 8, "8-bit screenshot");
        } else if (type === "IDAT") data.push(body);
        offset += 12 + length;
    }
    const raw = zlib.inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const pixels = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        for (let i = 0; i < stride; ++i) {
            const a = i >= channels ? pixels[y * stride + i - channels] : 0;
            const b = y > 0 ? pixels[(y - 1) * stride + i] : 0;
            const c = i >= channels && y > 0 ? pixels[(y - 1) * stride + i - channels] : 0;
            const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
            pixels[y * stride + i] = (raw[y * (stride + 1) + 1 + i] + predictor) & 0xff;
        }
    }
    const at = (x, y) => {
        const start = (y * width + x) * channels;
        return [...pixels.subarray(start, start + 3)];
    };
    return { width, height, at };
}

// --- The page in the browser ---

let browser;
let stopBrowser;
let server;
let site;

before(async () => {
    assert.ok(browserName in browsers, `a browser to check with: ${Object.keys(browsers)}`);
    assert.ok(pageFolder && pageWithoutScore && nodeModules,
        "VORN_WEB_PAGE, VORN_WEB_PAGE_WITHOUT_SCORE and VORN_NODE_MODULES");
    const puppeteer = loadPuppeteer(nodeModules);
    server = await serveSites({ full: pageFolder, noscore: pageWithoutScore });
    site = siteOf(server);
    ({ browser, stop: stopBrowser } = await browsers[browserName](puppeteer));
});

after(async () => {
    await browser?.close();
    stopBrowser?.();
    server?.close();
});

// Puppeteer sends the size with a screen-orientation override, a command Firefox ESR 140 does not
// know yet; the size is set all the same, so only that refusal is let pass, and the size is read
// back rather than trusted.
async function setSize(page, width, height) {
    try {
        await page.setViewport({ width, height });
    } catch (error) {
        if (!/unknown command/i.test(error.message)) throw error;
    }
    assert.deepEqual(await page.evaluate(() => [window.innerWidth, window.innerHeight]),
        [width, height], "the page's size");
}

// Opens a page and keeps what it writes to the console and every box it shows (each answered).
async function open(where, beforeLoad) {
    const page = await browser.newPage();
    // A little shorter than the page, so that a key the page acted on would scroll it.
    await setSize(page, 1000, 640);
    const seen = { console: [], boxes: [] };
    page.on("console", (message) => seen.console.push(message.text()));
    page.on("dialog", async (box) => {
        seen.boxes.push(box.message());
        await box.accept();
    });
    if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
    // A tab in the background is an inactive window to the game, which then stands still.
    await page.bringToFront();
    await page.goto(`${site}/${where}/`);
    return { page, seen };
}

async function frame(page) {
    const canvas = await page.$("#canvas");
    return decodePng(Buffer.from(await canvas.screenshot({ type: "png" })));
}

async function until(what, probe, seconds = 20) {
    const deadline = Date.now() + seconds * 1000;
    for (;;) {
        const answer = await probe();
        if (answer) return answer;
        assert.ok(Date.now() < deadline, `within ${seconds} s: ${what}`);
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
}

// The grey band of the well's bottom-left cell.
const wellDrawn = (image) =>
    String(image.at(WELL.x + 1, WELL.y + WELL.cell * 15 + 1)) === String(GREY);

// The box around the bright pixels of the topmost two rows that have any inside the well: the
// falling piece, unturned (empty cells are black with a dark grey band, and a piece that has
// landed on a slow machine lies below it).
function pieceBounds(image) {
    let box = null;
    const wellBottom = WELL.y + WELL.cell * WELL.rows;
    for (let y = WELL.y; y < wellBottom && (!box || y < box.top + 2 * WELL.cell); ++y) {
        for (let x = WELL.x; x < WELL.x + WELL.cell * WELL.columns; ++x) {
            if (!image.at(x, y).some((channel) => channel >= 128)) continue;
            box = box || { left: x, top: y, right: x, bottom: y };
            box.left = Math.min(box.left, x);
            box.right = Math.max(box.right, x);
            box.bottom = y;
        }
    }
    return box;
}

function litPixels(image, x0, y0, width, height) {
    let lit = 0;
    for (let y = y0; y < y0 + height; ++y)
        for (let x = x0; x < x0 + width; ++x) lit += image.at(x, y).some((c) => c > 0) ? 1 : 0;
    return lit;
}

function expectWellAndPiece(image) {
    for (const column of [0, 3, 6, 9]) {
        const x = WELL.x + WELL.cell * column;
        const y = WELL.y + WELL.cell * 15;
        assert.deepEqual(image.at(x + 1, y + 1), GREY, `grey band of cell (${column}, 15)`);
        assert.deepEqual(image.at(x + 15, y + 15), [0, 0, 0], `inside of cell (${column}, 15)`);
    }
    assert.deepEqual(image.at(30, 300), [0, 0, 0], "black left of the well");
    assert.deepEqual(image.at(352, 300), [0, 0, 0], "black right of the well");
    const piece = pieceBounds(image);
    assert.ok(piece, "a piece in the well");
    assert.ok(piece.left >= 170 && piece.left <= 230, `piece at x = ${piece.left}, near column 5`);
    assert.ok(piece.top < WELL.y + WELL.cell * 8, `piece at y = ${piece.top}, near the top`);
    return piece;
}

// Waits for the piece's left edge to leave `from`, then for a few more frames, and answers it.
async function leftEdgeAfterMoving(page, from) {
    const moved = await until("the piece moves", async () => {
        const piece = pieceBounds(await frame(page));
        return piece && piece.left !== from ? piece : null;
    }, 10);
    await new Promise((resolve) => setTimeout(resolve, 300));
    const settled = pieceBounds(await frame(page));
    assert.equal(settled.left, moved.left, "the piece moved once, not again");
    return settled.left;
}

test("the page plays: first frame, Left, a held key, Escape", async () => {
    const { page, seen } = await open("full");
    const first = await until("the first frame", async () => {
        const image = await frame(page);
        return wellDrawn(image) ? image : null;
    });
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
    await new Promise((resolve) => setTimeout(resolve, 400));
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
    const ended = await page.evaluate(() => ({
        canvasShown: document.getElementById("canvas").checkVisibility(),
        line: document.getElementById("ended").checkVisibility()
            ? document.getElementById("ended").textContent : "",
    }));
    assert.equal(ended.canvasShown, false, "the canvas is gone");
    assert.match(ended.line, /game has ended.*[Rr]eloading the page starts a new one/);
    assert.deepEqual(seen.boxes, []);
    await page.close();
});

// --- Space and Up, read off the well's cells ---

// The cells of rows [fromRow, toRow) that hold a block, as [column, row], row by row: a cell's
// middle is black when it is empty, a block's colour when it holds one.
function filledCells(image, fromRow, toRow) {
    const cells = [];
    for (let row = fromRow; row < toRow; ++row) {
        for (let column = 0; column < WELL.columns; ++column) {
            const [x, y] = [WELL.x + WELL.cell * column, WELL.y + WELL.cell * row];
            if (image.at(x + 15, y + 15).some((channel) => channel > 40)) cells.push([column, row]);
        }
    }
    return cells;
}

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
    await new Promise((resolve) => setTimeout(resolve, 200));
    piece = await fallingPiece(page);
    await page.keyboard.press("ArrowUp");
    // The turn is drawn over 100 ms; the piece may fall a row or two meanwhile.
    await new Promise((resolve) => setTimeout(resolve, 400));
    const after = await fallingPiece(page);
    const expected = turned(piece);
    assert.ok([0, 1, 2].some((fell) => sorted(after) === sorted(shifted(expected, fell))),
        `Up turned ${sorted(piece)} to ${sorted(after)}, not to ${sorted(expected)} or lower`);
    await page.close();
});

test("a build without score.raw plays, with a blank score label and one warning", async () => {
    const { page, seen } = await open("noscore");
    const first = await until("the first frame", async () => {
        const image = await frame(page);
        return wellDrawn(image) ? image : null;
    });
    expectWellAndPiece(first);
    assert.equal(litPixels(first, 400, 100, 64, 32), 0, "no score label");
    assert.ok(litPixels(first, 400, 140, 64, 32) > 20, "the level label is there");
    const warnings = seen.console.filter((line) => line.includes(".raw"));
    assert.deepEqual(warnings, ['vorngame: image file "score.raw" cannot be opened: ' +
        "No such file or directory; its missing pixels are left blank"]);
    await page.close();
});

test("a browser without WebGL is told so in the shell's words, and the run ends", async () => {
    const withoutWebGL = () => {
        const original = HTMLCanvasElement.prototype.getContext;
        HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {
            return String(kind).includes("webgl") ? null : original.call(this, kind, ...rest);
        };
    };
    const { page, seen } = await open("full", withoutWebGL);
    await until("the run ends", () => seen.console.some((line) => line.includes("exit code")));
    assert.deepEqual(seen.boxes, ["ERROR\n\nCan't Create A GL Rendering Context."]);
    assert.ok(seen.console.includes(
        "vorngame: ERROR: Can't Create A GL Rendering Context. (the browser offers no WebGL)"));
    assert.ok(seen.console.includes("vorngame: exit code 1"));
    await page.close();
});

test("a lost WebGL context comes back: a line says so meanwhile, and the keys act after", async () => {
    const { page, seen } = await open("full");
    await until("the first frame", async () => wellDrawn(await frame(page)));
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
    const restored = await until("a frame after the restore", async () => {
        const image = await frame(page);
        return wellDrawn(image) ? image : null;
    });
    const piece = expectWellAndPiece(restored);
    assert.ok(litPixels(restored, 400, 100, 192, 72) > 100, "the read-out is drawn again");

    await page.keyboard.press("ArrowLeft");
    assert.equal(await leftEdgeAfterMoving(page, piece.left), piece.left - WELL.cell,
        "Left moves the piece one column");
    assert.ok(!seen.console.some((line) => line.includes("exit code")), "the game goes on");
    assert.deepEqual(seen.boxes, []);
    await page.close();
});
