// The page on any screen, in a real browser: the canvas fitted to phones and small windows, a
// desktop's canvas and its focus, and a phone played by the on-screen controls and by gestures on
// the well.   node page_screen_checks.mjs chromium|firefox   (page_session.mjs)
import assert from "node:assert/strict";
import { test } from "node:test";

import { until } from "./browser_session.mjs";
import { chromiumOnly, gameListening, open, phone, screenOf, visible } from "./page_session.mjs";
import { WELL, canvasFrame, columnOf, firstFrame, firstScaledFrame, frame, leftEdgeAfterMoving,
    litCells, pause, pieceBounds, widthInCells } from "./well.mjs";

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

// The canvas on the page, a cell's width there and its middle.
async function canvasPlace(page) {
    const box = await (await page.$("#canvas")).boundingBox();
    return { box, cell: (box.width * WELL.cell) / 800,
        middle: { x: box.x + box.width / 2, y: box.y + box.height / 2 } };
}

// `act` drops the piece: landed at once (the fall alone takes 15 s), and the next piece in, more
// lit cells and the topmost near the top.
async function dropBy(page, what, act) {
    const before = litCells(await canvasFrame(page));
    await act();
    await until(what, async () => {
        const after = await canvasFrame(page);
        return litCells(after) > before && pieceBounds(after)?.top < WELL.y + 2 * WELL.cell;
    }, 3);
}

test("phones and small windows: the whole canvas in view, 4:3, nothing to scroll", async () => {
    const sizes = [[390, 844], [844, 390], [360, 640], [640, 360]];
    for (const [width, height] of sizes) {
        const viewport = screenOf(width, height);
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
    await pause(400);
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
    "scroll the page", chromiumOnly,
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
        const { box, cell, middle } = await canvasPlace(page);
        await swipe(page, middle, { x: middle.x + cell * 1.2, y: middle.y });
        await until(`a swipe right at ${at}`, async () => columnOf(await pieceNow()) === column, 10);

        // The square piece looks the same turned: drop it and turn the next.
        const drop = () => dropBy(page, `Drop at ${at}`, async () => (await control(page, "Drop")).tap());
        for (let tries = 0; widthInCells(await pieceNow()) === 2 && tries < 5; ++tries) await drop();
        const flat = widthInCells(await pieceNow());
        assert.ok(flat >= 3, `a piece that shows a turn, ${flat} cells wide`);
        // On the top row a piece may have no room to turn; a row down it has.
        await until(`a row down at ${at}`, async () => (await pieceNow()).top >= WELL.y + WELL.cell,
            5);
        await (await control(page, "Turn")).tap();
        await until(`Turn at ${at}`, async () => widthInCells(await pieceNow()) < flat, 10);
        await drop();

        // Five rows at once: more than the fall alone gives meanwhile (a row a second, one of
        // them maybe early), however slow the machine is to tap.
        const top = (await pieceNow()).top;
        const started = Date.now();
        for (let row = 0; row < 5; ++row) await (await control(page, "Down")).tap();
        const moved = await until(`Down at ${at}`, async () => {
            const rows = Math.round(((await pieceNow())?.top - top) / WELL.cell);
            return rows >= 5 ? rows : null;
        }, 10);
        assert.ok(moved >= (Date.now() - started) / 1000 + 2, `Down, not the fall: ${moved} rows`);

        // A page made taller than the screen still does not scroll under a finger.
        await page.evaluate(() => {
            const spacer = document.createElement("div");
            spacer.style.height = "3000px";
            document.body.append(spacer);
        });
        await swipe(page, { x: width - 8, y: height - 20 }, { x: width - 8, y: 40 });
        await swipe(page, { x: box.x + box.width - 10, y: box.y + 10 },
            { x: box.x + 10, y: box.y + box.height - 10 });
        await pause(300);
        assert.deepEqual(await page.evaluate(() => [scrollX, scrollY, visualViewport.scale]),
            [0, 0, 1], `the page stays put at ${at}`);
        await page.close();
    }
});

test("gestures on the well: a tap turns, a swipe down drops, a second finger cancels, a finger " +
    "slid off a button presses nothing", chromiumOnly,
async () => {
    const { page } = await open("full", null, { viewport: phone(390, 844) });
    await firstScaledFrame(page);
    await gameListening(page);
    const { cell, middle } = await canvasPlace(page);
    const pieceNow = async () => pieceBounds(await canvasFrame(page));
    const shape = async () => {
        const piece = await pieceNow();
        return [columnOf(piece), widthInCells(piece)];
    };

    const swipeDown = () => dropBy(page, "a swipe down drops the piece",
        () => swipe(page, middle, { x: middle.x, y: middle.y + cell * 3 }));
    await swipeDown();
    for (let tries = 0; widthInCells(await pieceNow()) === 2 && tries < 5; ++tries) await swipeDown();
    // Two rows down first: at the top of the well a turned piece has no room.
    await until("the piece two rows down", async () =>
        (await pieceNow())?.top >= WELL.y + 2 * WELL.cell, 5);
    const [, flat] = await shape();
    assert.ok(flat >= 3, `a piece that shows a turn, ${flat} cells wide`);
    await page.touchscreen.tap(middle.x, middle.y);
    await until("a tap turns the piece", async () => (await shape())[1] < flat, 5);
    const turned = await shape();

    const one = await page.touchscreen.touchStart(middle.x, middle.y);
    const two = await page.touchscreen.touchStart(middle.x + cell * 2, middle.y + cell);
    await two.end();
    await one.end();
    await pause(500);
    assert.deepEqual(await shape(), turned, "two fingers lifted neither turn nor shift the piece");

    const left = await (await control(page, "Left")).boundingBox();
    await page.touchscreen.touchStart(left.x + left.width / 2, left.y + left.height / 2);
    await page.touchscreen.touchMove(middle.x, middle.y);
    await page.touchscreen.touchEnd();
    await pause(500);
    assert.deepEqual(await shape(), turned, "a finger slid off Left before it lifts presses nothing");
    await page.close();
});
