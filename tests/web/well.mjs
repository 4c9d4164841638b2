// The well as the browser checks read it off the canvas, written once: where it lies, its cells,
// the falling piece, and waits for what the game draws.
import assert from "node:assert/strict";

import { until } from "./browser_session.mjs";
import { decodePng } from "./png_pixels.mjs";

export const GREY = [63, 63, 63];
export const WELL = { x: 50, y: 44, cell: 30, columns: 10, rows: 16 };
export const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export async function frame(page) {
    const canvas = await page.$("#canvas");
    return decodePng(Buffer.from(await canvas.screenshot({ type: "png" })));
}

// The canvas's frame in its own 800x600 pixels, however large the page shows it.
export async function canvasFrame(page) {
    const box = await (await page.$("#canvas")).boundingBox();
    const png = await page.screenshot({ type: "png", clip: { ...box, scale: 800 / box.width } });
    return decodePng(Buffer.from(png));
}

// The grey band of the well's bottom-left cell.
export const wellDrawn = (image) =>
    String(image.at(WELL.x + 1, WELL.y + WELL.cell * 15 + 1)) === String(GREY);

export const firstFrame = (page, what = "the first frame") => until(what, async () => {
    const image = await frame(page);
    return wellDrawn(image) ? image : null;
});

// The same frame read through a scaled screenshot, whose pixels may be a little apart.
export async function firstScaledFrame(page) {
    const [x, y] = [WELL.x + 2, WELL.y + WELL.cell * 15 + 2];
    return until("the first frame", async () => {
        const image = await canvasFrame(page);
        return image.at(x, y).every((channel, i) => Math.abs(channel - GREY[i]) <= 20) ? image : null;
    });
}

// The falling piece: the box around the topmost bright pixels in the well, up to a whole empty
// row of cells below them (empty cells are black with a dark grey band, and what has landed lies
// further down), in pixels; null while no piece is in the well.
export function pieceBounds(image) {
    let box = null;
    for (let y = WELL.y; y < WELL.y + WELL.cell * WELL.rows; ++y) {
        if (box && y > box.bottom + WELL.cell) break;
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

// The piece's box in cells; NaN while no piece is in the well.
export const columnOf = (piece) => (piece ? Math.round((piece.left - WELL.x) / WELL.cell) : NaN);
export const widthInCells = (piece) =>
    (piece ? Math.round((piece.right - piece.left + 1) / WELL.cell) : NaN);
export const heightInCells = (piece) =>
    (piece ? Math.round((piece.bottom - piece.top + 1) / WELL.cell) : NaN);

export function litPixels(image, x0, y0, width, height) {
    let lit = 0;
    for (let y = y0; y < y0 + height; ++y)
        for (let x = x0; x < x0 + width; ++x) lit += image.at(x, y).some((c) => c > 0) ? 1 : 0;
    return lit;
}

// The cells of rows [fromRow, toRow) whose middle is lit above `threshold`, as [column, row], row
// by row: an empty cell's middle is black, a block's its colour.
export function filledCells(image, fromRow = 0, toRow = WELL.rows, threshold = 40) {
    const cells = [];
    for (let row = fromRow; row < toRow; ++row) {
        for (let column = 0; column < WELL.columns; ++column) {
            const [x, y] = [WELL.x + WELL.cell * column + 15, WELL.y + WELL.cell * row + 15];
            if (image.at(x, y).some((channel) => channel > threshold)) cells.push([column, row]);
        }
    }
    return cells;
}

// Every landed block and the falling piece's.
export const litCells = (image) => filledCells(image, 0, WELL.rows, 63).length;
export const bottomRowTaken = (image) => filledCells(image, WELL.rows - 1, WELL.rows, 0).length > 0;

export function expectWellAndPiece(image) {
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
export async function leftEdgeAfterMoving(page, from) {
    const moved = await until("the piece moves", async () => {
        const piece = pieceBounds(await frame(page));
        return piece && piece.left !== from ? piece : null;
    }, 10);
    await pause(300);
    const settled = pieceBounds(await frame(page));
    assert.equal(settled.left, moved.left, "the piece moved once, not again");
    return settled.left;
}
