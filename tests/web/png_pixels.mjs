// The pixels of a PNG screenshot (8-bit RGB or RGBA, not interlaced, filters 0 to 4), for the
// browser checks that read the canvas pixel by pixel.
import assert from "node:assert/strict";
import zlib from "node:zlib";

function paeth(a, b, c) {
    const p = a + b - c;
    const [pa, pb, pc] = [Math.abs(p - a), Math.abs(p - b), Math.abs(p - c)];
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

export function decodePng(png) {
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
