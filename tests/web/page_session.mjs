// What each browser check of the page shares: the browser named on its command line, the page's
// folders each under a site name of its own on a static server on 127.0.0.1, and pages opened
// with what they write to the console and every box they show kept (each answered).
//   node <check>.mjs chromium|firefox
//     with VORN_WEB_PAGE (the page's folder), VORN_WEB_PAGE_WITHOUT_SCORE (the same page packed
//     without score.raw) and VORN_NODE_MODULES (where `npm ci` put puppeteer-core, in the build
//     tree) in the environment
import assert from "node:assert/strict";
import path from "node:path";
import { after, before } from "node:test";

import { DESKTOP, browsers, loadPuppeteer, serve, setSize, siteOf, until } from "./browser_session.mjs";

export const browserName = process.argv[2];
export const pageFolder = process.env.VORN_WEB_PAGE;
export const nodeModules = process.env.VORN_NODE_MODULES;
const pageWithoutScore = process.env.VORN_WEB_PAGE_WITHOUT_SCORE;

// `missing` names files each site does not have, as a server that lost them would answer.
function serveSites(folders, missing = {}) {
    return serve((name) => {
        const [site, ...rest] = name.split("/");
        const file = rest.join("/") || "index.html";
        if (missing[site]?.includes(file)) return "/nonexistent";
        return path.join(folders[site] || "/nonexistent", file);
    });
}

let browser;
let stopBrowser;
let server;
let site;

before(async () => {
    assert.ok(browserName in browsers, `a browser to check with: ${Object.keys(browsers)}`);
    assert.ok(pageFolder && pageWithoutScore && nodeModules,
        "VORN_WEB_PAGE, VORN_WEB_PAGE_WITHOUT_SCORE and VORN_NODE_MODULES");
    const puppeteer = loadPuppeteer(nodeModules);
    server = await serveSites({ full: pageFolder, noscore: pageWithoutScore, other: pageFolder,
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

export const chromiumOnly = { skip: browserName !== "chromium" && "touch emulation is Chromium's" };
export const phone = (width, height) => ({ width, height, isMobile: true, hasTouch: true });
// A phone where the browser can pretend to be one; elsewhere a window of its size.
export const screenOf = (width, height) =>
    (browserName === "chromium" ? phone(width, height) : { width, height });

// The window is open once the page's controls reach the game.
export const gameListening = (page) => until("the game listening", () =>
    page.evaluate(() => typeof Module?.vornPage?.press === "function"));

// `where` is a site's name or a whole address.
export async function open(where, beforeLoad, { viewport = DESKTOP, inBrowser = browser } = {}) {
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
export const endedLine = (page) => until("the ended line", () => page.evaluate(() => {
    const line = document.getElementById("ended");
    return line.checkVisibility() ? line.textContent : null;
}));

export const visible = (page, selector) =>
    page.evaluate((which) => document.querySelector(which)?.checkVisibility() ?? false, selector);
