// The web build played with a gamepad, in Debian's Chromium or Firefox: a pad scripted in the
// page (navigator.getGamepads answers it, with the standard mapping) and connected once the game
// runs shifts, turns and drops the piece, acting on each release, and Back/Select ends the game;
// it does nothing while the page does not have the focus. Screenshots of the canvas are read
// pixel by pixel.   node pad_checks.mjs chromium|firefox   (page_session.mjs)
import assert from "node:assert/strict";
import { test } from "node:test";

import { until } from "./browser_session.mjs";
import { open } from "./page_session.mjs";
import { WELL, bottomRowTaken, columnOf, frame, heightInCells, pause, pieceBounds,
    widthInCells } from "./well.mjs";

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

let page;

async function piece() {
    const box = pieceBounds(await frame(page));
    return box && { column: columnOf(box), width: widthInCells(box), height: heightInCells(box),
        top: box.top };
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
    let seen;
    ({ page, seen } = await open("full", scriptPad));
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
        await until("the south face button drops the piece to the bottom",
            async () => bottomRowTaken(await frame(page)), 10);
    }
    assert.ok(turned, "a piece other than a square came");

    // The focus elsewhere (as the page sees it), a push and a release do nothing.
    await page.evaluate(() => { document.hasFocus = () => false; });
    const away = await until("the next piece at the top", async () => {
        const now = await piece();
        return now?.top < WELL.y + 2 * WELL.cell ? now : null;
    });
    await page.evaluate(controls.dpadLeft[0]);
    await pause(300);
    await page.evaluate(controls.dpadLeft[1]);
    await pause(500);
    assert.equal((await piece()).column, away.column, "the pad does nothing without the focus");
    // Back with the focus once the game has sampled the pad with it: what is held then is left
    // alone until let go.
    await page.evaluate(() => { delete document.hasFocus; });
    await page.evaluate(async () => {
        for (let frame = 0; frame < 3; ++frame) await new Promise(requestAnimationFrame);
    });

    await page.evaluate(() => window.scriptedPad.button(8, true));
    await pause(300);
    assert.ok(!seen.console.includes("vorngame: exit code 0"), "Back held does nothing yet");
    await page.evaluate(() => window.scriptedPad.button(8, false));
    await until("the exit code", () => seen.console.includes("vorngame: exit code 0"));
});
