// What every script that opens the web build in a browser needs, written once: puppeteer-core
// from the build tree, a static server on 127.0.0.1 as any host of the page would be, a private
// X server for the browser that needs a display, and Debian's Chromium and Firefox launched the
// way that gives each of them WebGL. Used by the web checks, the picture check and the web
// benchmark (bench/web_frame_rate.mjs).
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import { createRequire } from "node:module";
import path from "node:path";

// puppeteer-core lives where `npm ci` put it, in the build tree (VORN_NODE_MODULES), not beside
// these scripts.
export function loadPuppeteer(nodeModules = process.env.VORN_NODE_MODULES) {
    if (!nodeModules) throw new Error("VORN_NODE_MODULES: where `npm ci` put puppeteer-core");
    return createRequire(path.join(path.dirname(nodeModules), "package.json"))("puppeteer-core");
}

const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json", ".png": "image/png" };

// Serves the file fileFor(name) names for each request, name being the request's path without
// its leading slash (a folder's is its index.html); a file it cannot read is a 404. A path that
// redirectFor answers with an address is sent there (301), as a host's rewrite rules would;
// `headers` go with every other answer. Answers the server once it listens, on a port of its own
// choosing.
export function serve(fileFor, { redirectFor = () => null, headers = {} } = {}) {
    const server = http.createServer((request, response) => {
        const where = decodeURIComponent(new URL(request.url, "http://x").pathname).slice(1);
        const elsewhere = redirectFor(where);
        if (elsewhere) return response.writeHead(301, { Location: elsewhere }).end();
        const file = fileFor(where === "" || where.endsWith("/") ? `${where}index.html` : where);
        fs.readFile(file, (error, body) => {
            response.writeHead(error ? 404 : 200, {
                "Content-Type": types[path.extname(file)] || "application/octet-stream", ...headers,
            });
            response.end(error ? "" : body);
        });
    });
    return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

export const siteOf = (server) => `http://127.0.0.1:${server.address().port}`;

// A private X server for a browser that needs a display; the number is the one it chose.
export async function startXvfb() {
    const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten",
        "tcp"], { stdio: ["ignore", "ignore", "inherit", "pipe"] });
    // Not left behind however the script ends, short of a kill.
    process.on("exit", () => xvfb.kill());
    const display = await new Promise((resolve, reject) => {
        let written = "";
        xvfb.stdio[3].on("data", (chunk) => {
            written += chunk;
            if (written.includes("\n")) resolve(`:${written.trim()}`);
        });
        xvfb.on("error", reject);
        xvfb.on("exit", (code) => reject(new Error(`Xvfb ended with ${code} before it started`)));
    });
    return { display, stop: () => xvfb.kill() };
}

export const firefoxPath = process.env.VORN_FIREFOX || "/usr/bin/firefox-esr";

// Each launcher answers the browser, where it draws, and what stops the rest once the browser
// is closed. { withoutWebGL: true } launches it as a player's browser that offers no WebGL;
// Chromium takes more of its own switches in extraArgs.
export const browsers = {
    // Headless, WebGL on SwiftShader.
    chromium: async (puppeteer, { withoutWebGL = false, extraArgs = [] } = {}) => ({
        browser: await puppeteer.launch({
            executablePath: process.env.VORN_CHROMIUM || "/usr/bin/chromium",
            headless: true,
            args: ["--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
                "--no-first-run", "--disable-background-networking", "--disable-component-update",
                "--disable-sync", "--disable-quic",
                ...(withoutWebGL ? ["--disable-webgl", "--disable-3d-apis"] : []), ...extraArgs],
        }),
        where: "headless, WebGL on SwiftShader",
        stop: () => {},
    }),
    // Over WebDriver BiDi. Without a display Firefox offers no WebGL, so it gets one of its own
    // (WebGL on llvmpipe there).
    firefox: async (puppeteer, { withoutWebGL = false } = {}) => {
        const xvfb = await startXvfb();
        try {
            const browser = await puppeteer.launch({
                browser: "firefox",
                executablePath: firefoxPath,
                headless: false,
                env: { ...process.env, DISPLAY: xvfb.display },
                extraPrefsFirefox: withoutWebGL ? { "webgl.disabled": true } : {},
            });
            return { browser, where: `on ${xvfb.display}`, stop: xvfb.stop };
        } catch (error) {
            xvfb.stop();
            throw error;
        }
    },
};

// Puppeteer sends the size with a screen-orientation override, a command Firefox ESR 140 does not
// know yet; the size is set all the same, so only that refusal is let pass, and the size is read
// back rather than trusted. A phone's viewport (isMobile, hasTouch) is Chromium's only.
export async function setSize(page, viewport) {
    try {
        await page.setViewport(viewport);
    } catch (error) {
        if (!/unknown command/i.test(error.message)) throw error;
    }
    // A phone lays out a blank page wider than its screen: its size is read once the page is in.
    if (viewport.isMobile) return;
    assert.deepEqual(await page.evaluate(() => [window.innerWidth, window.innerHeight]),
        [viewport.width, viewport.height], "the page's size");
}

// A little shorter than the page, so that a key the page acted on would scroll it; the canvas is
// shown 800x600 there, one CSS pixel to each of its pixels.
export const DESKTOP = { width: 1000, height: 640 };

// Asks `probe` every tenth of a second until it answers something, which it hands back; fails
// naming `what` after `seconds`.
export async function until(what, probe, seconds = 20) {
    const deadline = Date.now() + seconds * 1000;
    for (;;) {
        const answer = await probe();
        if (answer) return answer;
        assert.ok(Date.now() < deadline, `within ${seconds} s: ${what}`);
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
}
