// The page around the game, as a host with a strict site, a phone player and a player with two
// thumbs meet it: the page under its own content policy, every line in view on a phone with
// something to do, two fingers on two controls, a stop on an error in words.
//   node page_lines_checks.mjs chromium|firefox   (page_session.mjs)
import assert from "node:assert/strict";
import { test } from "node:test";

import { until } from "./browser_session.mjs";
import { chromiumOnly, gameListening, open, screenOf, visible } from "./page_session.mjs";
import { WELL, canvasFrame, filledCells, pause } from "./well.mjs";

// Keeps every violation of the page's content policy the browser reports.
function recordViolations() {
    window.vornViolations = [];
    document.addEventListener("securitypolicyviolation", (event) =>
        window.vornViolations.push(`${event.violatedDirective} ${event.blockedURI}`));
}

// Waits for the element to show, then finds its whole box in the viewport.
async function expectInView(page, selector, at, seconds) {
    await until(`${selector} shown at ${at}`, () => visible(page, selector), seconds);
    const box = await page.$eval(selector, (element) => {
        const { left, top, right, bottom } = element.getBoundingClientRect();
        return [left, top, innerWidth - right, innerHeight - bottom];
    });
    assert.ok(box.every((margin) => margin >= 0), `${selector} in view at ${at}: ${box}`);
}

test("the page plays under its content policy, which the browser enforces", async () => {
    const { page } = await open("full", recordViolations);
    await gameListening(page);
    await pause(500);
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
        const { page } = await open("full", null, { viewport: screenOf(width, height) });
        await gameListening(page);
        // The lost picture: the line over the canvas, and after ten seconds a way to start again.
        await page.evaluate(() => document.getElementById("canvas").getContext("webgl")
            .getExtension("WEBGL_lose_context").loseContext());
        await expectInView(page, "#context-lost", at);
        await expectInView(page, "#context-reload", at, 15);
        await page.close();

        // The end, and a new game from its button.
        const played = await open("full", null, { viewport: screenOf(width, height) });
        await gameListening(played.page);
        await played.page.keyboard.press("Escape");
        await expectInView(played.page, "#end", at);
        await Promise.all([played.page.waitForNavigation(), played.page.click("#again")]);
        await gameListening(played.page);
        await played.page.close();

        const failed = await open("no-vorngame.data", null, { viewport: screenOf(width, height) });
        await expectInView(failed.page, "#end", at);
        assert.match(await failed.page.$eval("#end", (end) => end.textContent), /Try again/);
        await failed.page.close();
    }
});

test("an error that stops the game is quoted in the page's line", async () => {
    // The quad shaders do not link: the module says why on its console, then aborts.
    const { page, seen } = await open("full", () => {
        const gl = WebGLRenderingContext.prototype;
        const parameter = gl.getProgramParameter;
        gl.getProgramParameter = function (program, name) {
            return name === this.LINK_STATUS ? false : parameter.call(this, program, name);
        };
        gl.getShaderInfoLog = () => "a planted failure";
    });
    const line = await until("the line", () => page.$eval("#end",
        (end) => (end.checkVisibility() ? end.textContent : null)));
    assert.match(line,
        /stopped on an error: WebGL cannot link the quad shaders: a planted failure\./);
    assert.deepEqual(seen.boxes, []);
    await page.close();
});

test("pads the browser refuses: off, said once, and the game plays on", async () => {
    const { page, seen } = await open("full", () => {
        navigator.getGamepads = () => {
            throw new DOMException("the gamepad feature is disallowed", "SecurityError");
        };
    });
    await gameListening(page);
    // Pads are asked for only once the browser has announced one.
    await page.evaluate(() => {
        const event = new Event("gamepadconnected");
        Object.defineProperty(event, "gamepad", { value: { index: 0, id: "pad", connected: true,
            mapping: "standard", timestamp: 0, axes: [0, 0], buttons: [] } });
        dispatchEvent(event);
    });
    await pause(1000);
    const told = seen.console.filter((line) => line.includes("refuses the page its gamepads"));
    assert.equal(told.length, 1, "said once");
    assert.equal(await visible(page, "#end"), false, "still playing");
    await page.close();
});

// --- Two thumbs ---

// The cells of rows [fromRow, toRow) whose middle is lit, as [column, row].
const litCells = async (page, fromRow, toRow) =>
    filledCells(await canvasFrame(page), fromRow, toRow, 63);

test("two thumbs held on Left and Drop, lifted one after the other, each act once", chromiumOnly,
    async () => {
        const { page } = await open("full", null, { viewport: screenOf(844, 390) });
        await gameListening(page);
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
