// The page around the game, as a host with a strict site, a phone player and a player with two
// thumbs meet it: the page under its own content policy, every line in view on a phone with
// something to do, two fingers on two controls, a stop on an error in words.
//   node page_lines_checks.mjs chromium|firefox
//     with VORN_WEB_PAGE (the page's folder) and VORN_NODE_MODULES in the environment
import assert from "node:assert/strict";
import path from "node:path";
import { after, before, test } from "node:test";

import { browsers, loadPuppeteer, serve, setSize, siteOf, until } from "./browser_session.mjs";
import { decodePng } from "./png_pixels.mjs";

const browserName = process.argv[2];
const pageFolder = process.env.VORN_WEB_PAGE;
const WELL = { x: 50, y: 44, cell: 30, columns: 10, rows: 16 };
const chromiumOnly = { skip: browserName !== "chromium" && "touch emulation is Chromium's" };

let browser;
let stopBrowser;
let server;

before(async () => {
    assert.ok(browserName in browsers, `a browser to check with: ${Object.keys(browsers)}`);
    assert.ok(pageFolder && process.env.VORN_NODE_MODULES, "VORN_WEB_PAGE and VORN_NODE_MODULES");
    // The page, and the same page whose server has lost vorngame.data.
    server = await serve((name) => (name.startsWith("no-data/") && name.endsWith("vorngame.data")
        ? "/nonexistent" : path.join(pageFolder, name.split("/").slice(1).join("/"))));
    ({ browser, stop: stopBrowser } = await browsers[browserName](loadPuppeteer()));
});

after(async () => {
    await browser?.close();
    stopBrowser?.();
    server?.close();
});

// A phone where the browser can pretend to be one; elsewhere a window of its size.
const screenOf = (width, height) => (browserName === "chromium"
    ? { width, height, isMobile: true, hasTouch: true } : { width, height });

// Opens the page at `site`, keeping its console and every policy violation it reports.
async function open(site, { viewport = { width: 1000, height: 640 }, beforeLoad } = {}) {
    const page = await browser.newPage();
    await setSize(page, viewport);
    const seen = { console: [], boxes: [] };
    page.on("console", (message) => seen.console.push(message.text()));
    page.on("dialog", async (box) => { seen.boxes.push(box.message()); await box.accept(); });
    await page.evaluateOnNewDocument(() => {
        window.vornViolations = [];
        document.addEventListener("securitypolicyviolation", (event) =>
            window.vornViolations.push(`${event.violatedDirective} ${event.blockedURI}`));
    });
    if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
    await page.bringToFront();
    await page.goto(`${siteOf(server)}/${site}/`);
    return { page, seen };
}

const listening = (page) => until("the game listening", () =>
    page.evaluate(() => typeof Module?.vornPage?.press === "function"));

const shown = (page, selector) => page.$eval(selector, (element) => element.checkVisibility());

// Waits for the element to show, then finds its whole box in the viewport.
async function expectInView(page, selector, at, seconds) {
    await until(`${selector} shown at ${at}`, () => shown(page, selector), seconds);
    const box = await page.$eval(selector, (element) => {
        const { left, top, right, bottom } = element.getBoundingClientRect();
        return [left, top, innerWidth - right, innerHeight - bottom];
    });
    assert.ok(box.every((margin) => margin >= 0), `${selector} in view at ${at}: ${box}`);
}

test("the page plays under its content policy, which the browser enforces", async () => {
    const { page } = await open("full");
    await listening(page);
    await new Promise((resolve) => setTimeout(resolve, 500));
    assert.deepEqual(await page.evaluate(() => window.vornViolations), [], "nothing refused");
    // An inline script is refused and reported: the policy is in force, the listener hears it.
    await page.evaluate(() => {
        const inline = document.createElement("script");
        inline.textContent = "window.vornInlineRan = true;";
        document.body.append(inline);
    });
    await until("the refusal reported", () => page.evaluate(() => window.vornViolations.length));
    assert.equal(await page.evaluate(() => window.vornInlineRan), undefined);
    await page.close();
});

test("at 844x390 and 390x844 every line is in view with something to do", async () => {
    for (const [width, height] of [[844, 390], [390, 844]]) {
        const at = `${width}x${height}`;
        const { page } = await open("full", { viewport: screenOf(width, height) });
        await listening(page);
        // The lost picture: the line over the canvas, and after ten seconds a way to start again.
        await page.evaluate(() => document.getElementById("canvas").getContext("webgl")
            .getExtension("WEBGL_lose_context").loseContext());
        await expectInView(page, "#context-lost", at);
        await expectInView(page, "#context-reload", at, 15);
        await page.close();

        // The end, and a new game from its button.
        const played = await open("full", { viewport: screenOf(width, height) });
        await listening(played.page);
        await played.page.keyboard.press("Escape");
        await expectInView(played.page, "#end", at);
        await Promise.all([played.page.waitForNavigation(), played.page.click("#again")]);
        await listening(played.page);
        await played.page.close();

        const failed = await open("no-data", { viewport: screenOf(width, height) });
        await expectInView(failed.page, "#end", at);
        assert.match(await failed.page.$eval("#end", (end) => end.textContent), /Try again/);
        await failed.page.close();
    }
});

test("an error that stops the game is quoted in the page's line", async () => {
    // The quad shaders do not link: the module says why on its console, then aborts.
    const { page, seen } = await open("full", { beforeLoad: () => {
        const gl = WebGLRenderingContext.prototype;
        const parameter = gl.getProgramParameter;
        gl.getProgramParameter = function (program, name) {
            return name === this.LINK_STATUS ? false : parameter.call(this, program, name);
        };
        gl.getShaderInfoLog = () => "a planted failure";
    } });
    const line = await until("the line", () => page.$eval("#end",
        (end) => (end.checkVisibility() ? end.textContent : null)));
    assert.match(line,
        /stopped on an error: WebGL cannot link the quad shaders: a planted failure\./);
    assert.deepEqual(seen.boxes, []);
    await page.close();
});

test("pads the browser refuses: off, said once, and the game plays on", async () => {
    const { page, seen } = await open("full", { beforeLoad: () => {
        navigator.getGamepads = () => {
            throw new DOMException("the gamepad feature is disallowed", "SecurityError");
        };
    } });
    await listening(page);
    // Pads are asked for only once the browser has announced one.
    await page.evaluate(() => {
        const event = new Event("gamepadconnected");
        Object.defineProperty(event, "gamepad", { value: { index: 0, id: "pad", connected: true,
            mapping: "standard", timestamp: 0, axes: [0, 0], buttons: [] } });
        dispatchEvent(event);
    });
    await new Promise((resolve) => setTimeout(resolve, 1000));
    const told = seen.console.filter((line) => line.includes("refuses the page its gamepads"));
    assert.equal(told.length, 1, "said once");
    assert.equal(await shown(page, "#end"), false, "still playing");
    await page.close();
});

// --- Two thumbs ---

// The cells of rows [fromRow, toRow) whose middle is lit, as "column,row".
async function litCells(page, fromRow, toRow) {
    const box = await (await page.$("#canvas")).boundingBox();
    const image = decodePng(Buffer.from(await page.screenshot({ type: "png",
        clip: { ...box, scale: 800 / box.width } })));
    const cells = [];
    for (let row = fromRow; row < toRow; ++row)
        for (let column = 0; column < WELL.columns; ++column) {
            const [x, y] = [WELL.x + WELL.cell * column + 15, WELL.y + WELL.cell * row + 15];
            if (image.at(x, y).some((channel) => channel >= 64)) cells.push([column, row]);
        }
    return cells;
}

test("two thumbs held on Left and Drop, lifted one after the other, each act once", chromiumOnly,
    async () => {
        const { page } = await open("full", { viewport: screenOf(844, 390) });
        await listening(page);
        const piece = await until("the first piece", async () => {
            const cells = await litCells(page, 0, 4);
            return cells.length === 4 ? cells : null;
        });
        const middle = async (name) => {
            const box = await (await page.$(`[data-control="${name}"]`)).boundingBox();
            return [box.x + box.width / 2, box.y + box.height / 2];
        };
        const left = await page.touchscreen.touchStart(...(await middle("left")));
        const drop = await page.touchscreen.touchStart(...(await middle("drop")));
        await left.end();
        await drop.end();
        // Landed one column left of where it was, on the floor of the empty well.
        const floor = WELL.rows - 1 - Math.max(...piece.map(([, row]) => row));
        const expected = piece.map(([column, row]) => `${column - 1},${row + floor}`).sort();
        const landed = async () => (await litCells(page, 8, WELL.rows)).map(String).sort();
        await until(`the piece landed at ${expected}`,
            async () => String(await landed()) === String(expected), 5);
        await page.close();
    });
