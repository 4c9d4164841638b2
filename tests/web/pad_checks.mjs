// The web build played with a gamepad, in Debian's Chromium or Firefox: a pad scripted in the
// page (navigator.getGamepads answers it, with the standard mapping) and connected once the game
// runs shifts, turns and drops the piece, acting on each release, and Back/Select ends the game.
// Screenshots of the canvas are read pixel by pixel.
//   node pad_checks.mjs chromium|firefox
//     with VORN_WEB_PAGE (the page's folder) and VORN_NODE_MODULES (where `npm ci` put
//     puppeteer-core) in the environment
import assert from "node:assert/strict";
import path from "node:path";
import { after, before, test } from "node:test";

import { DESKTOP, browsers, loadPuppeteer, serve, setSize, siteOf, until } from "./browser_session.mjs";
import { decodePng } from "./png_pixels.mjs";

const browserName = process.argv[2];
const pageFolder = process.env.VORN_WEB_PAGE;
const nodeModules = process.env.VORN_NODE_MODULES;
const WELL = { x: 50, y: 44, cell: 30, columns: 10, rows: 16 };

// --- The piece, read off the canvas ---

// The box around the topmost bright pixels in the well, up to a whole empty row of cells below
// them (the falling piece soon after it came, above what has landed), in cells: its left
// column, its width and its height.
function pieceOf(at) {
    let box = null;
    for (let y = WELL.y; y < WELL.y + WELL.cell * WELL.rows; ++y) {
        if (box && y > box.bottom + WELL.cell) break;
        for (let x = WELL.x; x < WELL.x + WELL.cell * WELL.columns; ++x) {
            if (!at(x, y).some((channel) => channel >= 128)) continue;
            box = box || { left: x, right: x, top: y, bottom: y };
            box.left = Math.min(box.left, x);
            box.right = Math.max(box.right, x);
            box.bottom = y;
        }
    }
    if (!box) return null;
    const cells = (from, to) => Math.round((to - from + 1) / WELL.cell);
    return { column: Math.round((box.left - WELL.x) / WELL.cell), top: box.top,
        width: cells(box.left, box.right), height: cells(box.top, box.bottom) };
}

// Any block in the well's bottom row.
function bottomRowTaken(at) {
    const y = WELL.y + WELL.cell * (WELL.rows - 1) + WELL.cell / 2;
    for (let column = 0; column < WELL.columns; ++column) {
        if (at(WELL.x + WELL.cell * column + WELL.cell / 2, y).some((c) => c > 0)) return true;
    }
    return false;
}

// --- The scripted pad: it answers navigator.getGamepads, unconnected until the check says ---

function scriptPad() {
    const pad = {
        id: "scripted pad", index: 0, connected: false, mapping: "standard", timestamp: 0,
        axes: [0, 0, 0, 0],
        buttons: Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 })),
    };
    // Counted: each call is a new array, which the game asks for only once a pad is announced.
    window.padSamples = 0;
    Object.defineProperty(navigator, "getGamepads", {
        configurable: true,
        value: () => {
            ++window.padSamples;
            return [pad.connected ? pad : null, null, null, null];
        },
    });
    const changed = () => { pad.timestamp = performance.now(); };
    window.scriptedPad = {
        connect() {
            pad.connected = true;
            changed();
            const event = new Event("gamepadconnected");
            Object.defineProperty(event, "gamepad", { value: pad });
            window.dispatchEvent(event);
        },
        button(place, down) {
            Object.assign(pad.buttons[place], { pressed: down, touched: down, value: down ? 1 : 0 });
            changed();
        },
        stick(x, y) {
            pad.axes[0] = x;
            pad.axes[1] = y;
            changed();
        },
    };
}

// --- The page in the browser ---

let browser;
let stopBrowser;
let server;
let page;
const consoleLines = [];

before(async () => {
    assert.ok(browserName in browsers, `a browser to check with: ${Object.keys(browsers)}`);
    assert.ok(pageFolder && nodeModules, "VORN_WEB_PAGE and VORN_NODE_MODULES");
    const puppeteer = loadPuppeteer(nodeModules);
    server = await serve((name) => path.join(pageFolder, name));
    ({ browser, stop: stopBrowser } = await browsers[browserName](puppeteer));
    page = await browser.newPage();
    // The size the canvas is shown 800x600 at, one CSS pixel to a canvas pixel.
    await setSize(page, DESKTOP);
    page.on("console", (message) => consoleLines.push(message.text()));
    page.on("dialog", (box) => box.accept());
    await page.evaluateOnNewDocument(scriptPad);
    // A tab in the background is an inactive window to the game, which then stands still.
    await page.bringToFront();
    await page.goto(`${siteOf(server)}/`);
});

after(async () => {
    await browser?.close();
    stopBrowser?.();
    server?.close();
});

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function piece() {
    const canvas = await page.$("#canvas");
    return pieceOf(decodePng(Buffer.from(await canvas.screenshot({ type: "png" }))).at);
}

// Holds a control for a while, checks that nothing moved yet, lets go, and answers the piece
// once it has changed and settled.
async function holdAndLetGo(what, press, letGo) {
    const before = await piece();
    await page.evaluate(press);
    await pause(400);
    assert.equal((await piece()).column, before.column, `${what}: held, nothing happens yet`);
    await page.evaluate(letGo);
    await until(`${what} acts`, async () => {
        const now = await piece();
        return now && (now.column !== before.column || now.width !== before.width) ? now : null;
    }, 10);
    await pause(300);
    return { before, after: await piece() };
}

const controls = {
    dpadLeft: [() => window.scriptedPad.button(14, true), () => window.scriptedPad.button(14, false)],
    stickRight: [() => window.scriptedPad.stick(0.9, 0), () => window.scriptedPad.stick(0, 0)],
    east: [() => window.scriptedPad.button(1, true), () => window.scriptedPad.button(1, false)],
};

test("a pad connected once the game runs shifts, turns and drops; Back/Select ends it", async () => {
    const first = await until("the first piece", piece);
    assert.deepEqual(await page.evaluate(() => document.hasFocus()), true, "the page has the focus");
    assert.equal(await page.evaluate(() => window.padSamples), 0,
        "no pad is sampled before the browser announces one");
    await page.evaluate(() => window.scriptedPad.connect());

    for (const [what, column] of [["dpadLeft", first.column - 1], ["stickRight", first.column]]) {
        const { after } = await holdAndLetGo(what, ...controls[what]);
        assert.equal(after.column, column, `${what} shifts the piece one column`);
    }

    // A square looks the same turned: the turn is checked on the first piece that is not one,
    // each dropped with the south face button.
    let turned = false;
    for (let tries = 0; tries < 6 && !turned; ++tries) {
        const now = await until("a piece", piece);
        if (now.width !== now.height) {
            const { before, after } = await holdAndLetGo("east", ...controls.east);
            assert.deepEqual([after.width, after.height], [before.height, before.width],
                "the east face button turns the piece");
            turned = true;
        }
        await page.evaluate(() => window.scriptedPad.button(0, true));
        await pause(300);
        await page.evaluate(() => window.scriptedPad.button(0, false));
        await until("the south face button drops the piece to the bottom", async () => {
            const canvas = await page.$("#canvas");
            return bottomRowTaken(decodePng(Buffer.from(await canvas.screenshot({ type: "png" }))).at);
        }, 10);
    }
    assert.ok(turned, "a piece other than a square came");

    await page.evaluate(() => window.scriptedPad.button(8, true));
    await pause(300);
    assert.ok(!consoleLines.includes("vorngame: exit code 0"), "Back held does nothing yet");
    await page.evaluate(() => window.scriptedPad.button(8, false));
    await until("the exit code", () => consoleLines.includes("vorngame: exit code 0"));
});
