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

import { DESKTOP, browsers, loadPuppeteer, serve, setSize, siteOf, until } from "./browser_session.mjs";
import { decodePng } from "./png_pixels.mjs";

const browserName = process.argv[2];
const pageFolder = process.env.VORN_WEB_PAGE;
const pageWithoutScore = process.env.VORN_WEB_PAGE_WITHOUT_SCORE;
const nodeModules = process.env.VORN_NODE_MODULES;
const GREY = [63, 63, 63];
const WELL = { x: 50, y: 44, cell: 30, columns: 10, rows: 16 };

// --- The pages, each under a site name of its own ---

// `missing` names files each site does not have, as a server that lost them would answer.
function serveSites(folders, missing = {}) {
    return serve((name) => {
        const [site, ...rest] = name.split("/");
        const file = rest.join("/") || "index.html";
        if (missing[site]?.includes(file)) return "/nonexistent";
        return path.join(folders[site] || "/nonexistent", file);
    });
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
    server = await serveSites({ full: pageFolder, noscore: pageWithoutScore,
        "no-vorngame.data": pageFolder, "no-vorngame.wasm": pageFolder, "no-vorngame.js": pageFolder },
    { "no-vorngame.data": ["vorngame.data"], "no-vorngame.wasm": ["vorngame.wasm"],
        "no-vorngame.js": ["vorngame.js"] });
    site = siteOf(server);
    ({ browser, stop: stopBrowser } = await browsers[browserName](puppeteer));
});

after(async () => {
    await browser?.close();
    stopBrowser?.();
    server?.close();
});

const phone = (width, height) => ({ width, height, isMobile: true, hasTouch: true });

// Opens a page and keeps what it writes to the console and every box it shows (each answered).
// `where` is a site's name or a whole address.
async function open(where, beforeLoad, { viewport = DESKTOP, inBrowser = browser } = {}) {
    const page = await inBrowser.newPage();
    await setSize(page, viewport);
    const seen = { console: [], boxes: [] };
    page.on("console", (message) => seen.console.push(message.text()));
    page.on("dialog", async (box) => {
        seen.boxes.push(box.message());
        await box.accept();
    });
    if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
    // A tab in the background is an inactive window to the game, which then stands still.
    await page.bringToFront();
    await page.goto(where.includes(":") ? where : `${site}/${where}/`);
    return { page, seen };
}

// The line that replaces the canvas when the run ends, once it is shown.
const endedLine = (page) => until("the ended line", () => page.evaluate(() => {
    const line = document.getElementById("ended");
    return line.checkVisibility() ? line.textContent : null;
}));

async function frame(page) {
    const canvas = await page.$("#canvas");
    return decodePng(Buffer.from(await canvas.screenshot({ type: "png" })));
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
    assert.match(ended.line, /game has ended/);
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
    assert.deepEqual(seen.boxes, []);
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

// --- Any screen, touch, focus ---

// The canvas's frame in its own 800x600 pixels, however large the page shows it.
async function canvasFrame(page) {
    const box = await (await page.$("#canvas")).boundingBox();
    const png = await page.screenshot({ type: "png", clip: { ...box, scale: 800 / box.width } });
    return decodePng(Buffer.from(png));
}

// NaN while no piece is in the well.
const columnOf = (piece) => (piece ? Math.round((piece.left - WELL.x) / WELL.cell) : NaN);
const widthInCells = (piece) =>
    (piece ? Math.round((piece.right - piece.left + 1) / WELL.cell) : NaN);

// The cells of the well whose inside is lit: every landed block and the falling piece's.
function litCells(image) {
    let lit = 0;
    for (let row = 0; row < WELL.rows; ++row)
        for (let column = 0; column < WELL.columns; ++column) {
            const [x, y] = [WELL.x + WELL.cell * column + 15, WELL.y + WELL.cell * row + 15];
            lit += image.at(x, y).some((channel) => channel >= 64) ? 1 : 0;
        }
    return lit;
}

async function firstFrame(page) {
    return until("the first frame", async () => {
        const image = await frame(page);
        return wellDrawn(image) ? image : null;
    });
}

// The same frame read through a scaled screenshot, whose pixels may be a little apart.
async function firstScaledFrame(page) {
    const [x, y] = [WELL.x + 2, WELL.y + WELL.cell * 15 + 2];
    return until("the first frame", async () => {
        const image = await canvasFrame(page);
        return image.at(x, y).every((channel, i) => Math.abs(channel - GREY[i]) <= 20) ? image : null;
    });
}

// The window is open once the page's controls reach the game.
const gameListening = (page) => until("the game listening", () =>
    page.evaluate(() => typeof Module.vornPage.press === "function"));

// The whole canvas in view, 4:3, nothing to scroll sideways and nothing zoomed.
async function expectCanvasFits(page, viewport) {
    const fit = await page.evaluate(() => {
        const box = document.getElementById("canvas").getBoundingClientRect();
        return { box: [box.left, box.top, box.right, box.bottom], inner: [innerWidth, innerHeight],
            scrollWidth: document.documentElement.scrollWidth, scale: visualViewport.scale };
    });
    const [left, top, right, bottom] = fit.box;
    const where = `${viewport.width}x${viewport.height}: canvas at ${fit.box.map(Math.round)}`;
    assert.deepEqual(fit.inner, [viewport.width, viewport.height], `laid out at ${where}`);
    assert.ok(left >= 0 && top >= 0 && right <= viewport.width && bottom <= viewport.height,
        `the whole canvas in view at ${where}`);
    assert.ok(Math.abs((right - left) / (bottom - top) - 4 / 3) < 0.01, `4:3 at ${where}`);
    assert.ok(right - left >= viewport.width / 2 || bottom - top >= viewport.height / 2,
        `the canvas takes the screen at ${where}`);
    assert.ok(fit.scrollWidth <= viewport.width, `no sideways scroll at ${where}`);
    assert.equal(fit.scale, 1, `not zoomed at ${where}`);
}

// The on-screen control whose text or label is `name`, found as a screen reader would.
async function control(page, name) {
    const handle = await page.evaluateHandle((wanted) => [...document.querySelectorAll("button")]
        .find((button) => (button.getAttribute("aria-label") || button.textContent.trim()) === wanted),
    name);
    const button = handle.asElement();
    assert.ok(button && await button.isVisible(), `a visible ${name} control`);
    return button;
}

async function swipe(page, from, to) {
    await page.touchscreen.touchStart(from.x, from.y);
    for (let step = 1; step <= 5; ++step)
        await page.touchscreen.touchMove(from.x + ((to.x - from.x) * step) / 5,
            from.y + ((to.y - from.y) * step) / 5);
    await page.touchscreen.touchEnd();
}

const visible = (page, selector) =>
    page.evaluate((which) => document.querySelector(which)?.checkVisibility() ?? false, selector);

test("phones and small windows: the whole canvas in view, 4:3, nothing to scroll", async () => {
    const sizes = [[390, 844], [844, 390], [360, 640], [640, 360]];
    for (const [width, height] of sizes) {
        const viewport = browserName === "chromium" ? phone(width, height) : { width, height };
        const { page } = await open("full", null, { viewport });
        await gameListening(page);
        await expectCanvasFits(page, viewport);
        await page.close();
    }
});

test("a desktop: the 800x600 canvas, no touch controls, the hint when it loses the keys, " +
    "Cmd left to the browser", async () => {
    const { page } = await open("full");
    const first = await firstFrame(page);
    assert.deepEqual(await page.evaluate(() => {
        const box = document.getElementById("canvas").getBoundingClientRect();
        return [box.width, box.height];
    }), [800, 600], "the canvas's size on the page");
    assert.equal(await visible(page, "#controls"), false, "no touch controls");
    assert.equal(await visible(page, "#fullscreen"), true, "the Full screen button");

    // The keys gone from the canvas: a hint over it, until a click gives them back.
    assert.equal(await visible(page, "#focus-hint"), false);
    await page.evaluate(() => document.activeElement.blur());
    await until("the hint", () => visible(page, "#focus-hint"));
    assert.match(await page.$eval("#focus-hint", (hint) => hint.textContent), /[Cc]lick.*play/);
    await page.click("#canvas");
    await until("the hint gone", async () => !(await visible(page, "#focus-hint")));
    assert.equal(await page.evaluate(() => document.activeElement.id), "canvas");

    // Cmd (Meta) with an arrow is the browser's: the piece stays.
    const piece = pieceBounds(first);
    await page.keyboard.down("Meta");
    await page.keyboard.press("ArrowLeft");
    await page.keyboard.up("Meta");
    await new Promise((resolve) => setTimeout(resolve, 400));
    assert.equal(pieceBounds(await frame(page)).left, piece.left, "Cmd+Left moves nothing");
    await page.keyboard.press("ArrowLeft");
    assert.equal(await leftEdgeAfterMoving(page, piece.left), piece.left - WELL.cell,
        "Left alone still moves the piece");
    await page.close();

    // Where the browser cannot show an element full screen, the button is not offered.
    const { page: without } = await open("full", () => {
        delete Element.prototype.requestFullscreen;
    });
    await firstFrame(without);
    assert.equal(await visible(without, "#fullscreen"), false, "no Full screen button");
    await without.close();
});

test("a phone plays by taps on the controls and gestures on the canvas; a swipe does not " +
    "scroll the page", { skip: browserName !== "chromium" && "touch emulation is Chromium's" },
async () => {
    for (const [width, height] of [[390, 844], [844, 390]]) {
        const at = `${width}x${height}`;
        const viewport = phone(width, height);
        const { page } = await open("full", null, { viewport });
        await firstScaledFrame(page);
        await expectCanvasFits(page, viewport);
        const pieceNow = async () => pieceBounds(await canvasFrame(page));
        const column = columnOf(await pieceNow());

        await (await control(page, "Left")).tap();
        await until(`Left at ${at}`, async () => columnOf(await pieceNow()) === column - 1, 10);
        // A sideways swipe on the canvas shifts the piece a column for each cell's width.
        const box = await (await page.$("#canvas")).boundingBox();
        const cell = (box.width * WELL.cell) / 800;
        const middle = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
        await swipe(page, middle, { x: middle.x + cell * 1.2, y: middle.y });
        await until(`a swipe right at ${at}`, async () => columnOf(await pieceNow()) === column, 10);

        // The square piece looks the same turned: drop it and turn the next.
        const drop = async () => {
            const before = litCells(await canvasFrame(page));
            await (await control(page, "Drop")).tap();
            // Landed, and the next piece in: more lit cells, the topmost near the top.
            await until(`Drop at ${at}`, async () => {
                const after = await canvasFrame(page);
                return litCells(after) > before && pieceBounds(after)?.top < WELL.y + 2 * WELL.cell;
            }, 3);
        };
        for (let tries = 0; widthInCells(await pieceNow()) === 2 && tries < 5; ++tries) await drop();
        const flat = widthInCells(await pieceNow());
        assert.ok(flat >= 3, `a piece that shows a turn, ${flat} cells wide`);
        await (await control(page, "Turn")).tap();
        await until(`Turn at ${at}`, async () => widthInCells(await pieceNow()) < flat, 10);
        await drop();

        // Five rows in a moment, where the piece alone falls one a second.
        const top = (await pieceNow()).top;
        const started = Date.now();
        for (let row = 0; row < 5; ++row) await (await control(page, "Down")).tap();
        await until(`Down at ${at}`, async () => (await pieceNow())?.top >= top + 5 * WELL.cell - 4, 3);
        assert.ok(Date.now() - started < 3000, "Down, not the fall, moved the piece");

        // A page made taller than the screen still does not scroll under a finger.
        await page.evaluate(() => {
            const spacer = document.createElement("div");
            spacer.style.height = "3000px";
            document.body.append(spacer);
        });
        await swipe(page, { x: width - 8, y: height - 20 }, { x: width - 8, y: 40 });
        await swipe(page, { x: box.x + box.width - 10, y: box.y + 10 },
            { x: box.x + 10, y: box.y + box.height - 10 });
        await new Promise((resolve) => setTimeout(resolve, 300));
        assert.deepEqual(await page.evaluate(() => [scrollX, scrollY, visualViewport.scale]),
            [0, 0, 1], `the page stays put at ${at}`);
        await page.close();
    }
});

// --- Failures in words ---

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

// --- Offline ---

test("once opened, the page plays with the network off", {
    skip: browserName !== "chromium" && "the offline switch is Chromium's",
}, async () => {
    const { page } = await open("full");
    await firstFrame(page);
    const kept = await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        const names = await caches.keys();
        const copy = await caches.open(names.find((name) => name.includes(location.pathname)));
        return (await copy.keys()).map((request) => new URL(request.url).pathname.split("/").pop());
    });
    assert.deepEqual(kept.sort(), ["index.html", "manifest.webmanifest", "page.css", "page.js",
        "vorngame-256.png", "vorngame.data", "vorngame.js", "vorngame.wasm"]);
    await page.setOfflineMode(true);
    try {
        await page.reload();
        const piece = expectWellAndPiece(await firstFrame(page));
        await page.keyboard.press("ArrowLeft");
        assert.equal(await leftEdgeAfterMoving(page, piece.left), piece.left - WELL.cell,
            "offline, Left moves the piece");
    } finally {
        await page.setOfflineMode(false);
        await page.close();
    }
});
