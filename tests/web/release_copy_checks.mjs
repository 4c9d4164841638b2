// The offline copy as a host changes what it serves under a returning player, in Chromium (whose
// pages can be taken offline): a release with a file changed under its install is refused and
// the copy kept before plays; a host that sends index.html on to the folder's address plays
// online and offline; a new release plays on the visit that finds it; a removed folder is not
// served from its copy, which goes.
//   node release_copy_checks.mjs
//     with VORN_WEB_PAGE (release A), VORN_WEB_PAGE_WITHOUT_SCORE (release B: the same page
//     packed without score.raw, which it says in the console) and VORN_NODE_MODULES
import assert from "node:assert/strict";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";

import { DESKTOP, browsers, loadPuppeteer, serve, setSize, siteOf, until } from "./browser_session.mjs";
import { decodePng } from "./png_pixels.mjs";

const releaseA = process.env.VORN_WEB_PAGE;
const releaseB = process.env.VORN_WEB_PAGE_WITHOUT_SCORE;
const playsB = (lines) => lines.some((line) => line.includes('"score.raw" cannot be opened'));

// What each site serves now: a release's folder, some of its files replaced, and whether its
// index.html is sent on to the folder's address. A site not listed is a 404 throughout.
const hosted = {};
function fileFor(name) {
    const [site, ...rest] = name.split("/");
    const file = rest.join("/");
    if (!hosted[site]) return "/nonexistent";
    return hosted[site].replaced?.[file] || path.join(hosted[site].folder, file);
}
const redirectFor = (where) =>
    where.endsWith("/index.html") && hosted[where.split("/")[0]]?.indexRedirected ? "./" : null;

let browser;
let server;
let address;
let scratch;
let swappedWasm;

before(async () => {
    assert.ok(releaseA && releaseB && process.env.VORN_NODE_MODULES,
        "VORN_WEB_PAGE, VORN_WEB_PAGE_WITHOUT_SCORE and VORN_NODE_MODULES");
    // The same game in other bytes: release A's module with a custom section appended.
    scratch = fs.mkdtempSync(path.join(os.tmpdir(), "vorn-release-copy-"));
    const section = Buffer.from("\x01xsame game, other bytes", "latin1");
    swappedWasm = path.join(scratch, "vorngame.wasm");
    fs.writeFileSync(swappedWasm, Buffer.concat([fs.readFileSync(path.join(releaseA,
        "vorngame.wasm")), Buffer.from([0, section.length]), section]));
    fs.writeFileSync(path.join(scratch, "index.html"), "<!DOCTYPE html><title>blank</title>");
    hosted.blank = { folder: scratch };
    server = await serve(fileFor, redirectFor);
    address = siteOf(server);
    ({ browser } = await browsers.chromium(loadPuppeteer()));
});

after(async () => {
    await browser?.close();
    server?.close();
    if (scratch) fs.rmSync(scratch, { recursive: true });
});

// The well's bottom-left cell drawn: the game runs (a page that did not open has no canvas).
const plays = (page) => until("the game's first frame", async () => {
    const canvas = await page.$("#canvas");
    if (!canvas) return false;
    const image = decodePng(Buffer.from(await canvas.screenshot({ type: "png" })));
    return String(image.at(51, 495)) === "63,63,63";
});

// A first visit to a site, which plays and leaves its copy; `lines` keeps the console.
async function firstVisit(site, where = "") {
    const page = await browser.newPage();
    await setSize(page, DESKTOP);
    const lines = [];
    page.on("console", (message) => lines.push(message.text()));
    await page.bringToFront();
    await page.goto(`${address}/${site}/${where}`);
    await plays(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    return { page, lines };
}

// The next visit, played; answers what the page wrote meanwhile.
async function nextVisit(page, lines) {
    const from = lines.length;
    await page.reload();
    await plays(page);
    return lines.slice(from);
}

test("a release with a file changed under its install is refused; the copy kept before plays",
    async () => {
        hosted.swap = { folder: releaseA };
        const { page, lines } = await firstVisit("swap");
        hosted.swap = { folder: releaseB, replaced: { "vorngame.wasm": swappedWasm } };
        await page.reload();
        const refusal = /release \S+ was not kept: the server's vorngame\.wasm \(other bytes\)/;
        await until("the refusal in the page's console", () => lines.some((l) => refusal.test(l)));
        assert.ok(!playsB(await nextVisit(page, lines)), "release A plays from its copy");

        // Whole again: the next visit keeps it, to take over once no page of A is open.
        hosted.swap = { folder: releaseB };
        await page.reload();
        await until("release B kept", () => page.evaluate(async () =>
            !!(await navigator.serviceWorker.getRegistration())?.waiting));
        await page.close();
    });

test("a host that sends index.html on to the folder's address: plays online and offline",
    async () => {
        hosted.moved = { folder: releaseA, indexRedirected: true };
        const { page, lines } = await firstVisit("moved", "index.html");
        assert.equal(page.url(), `${address}/moved/`);
        await nextVisit(page, lines);
        await page.setOfflineMode(true);
        try {
            await nextVisit(page, lines);
        } finally {
            await page.setOfflineMode(false);
            await page.close();
        }
    });

test("a new release on the server plays on the visit that finds it", async () => {
    hosted.next = { folder: releaseA };
    const { page, lines } = await firstVisit("next");
    hosted.next = { folder: releaseB };
    assert.ok(playsB(await nextVisit(page, lines)), "release B plays");
    await page.close();
});

test("a folder removed from the server is not served from its copy, which goes", async () => {
    hosted.gone = { folder: releaseA };
    const { page } = await firstVisit("gone");
    delete hosted.gone;
    assert.equal((await page.reload()).status(), 404, "the server's answer");
    await page.goto(`${address}/blank/`);
    const [scopes, copies] = await page.evaluate(async () => [
        (await navigator.serviceWorker.getRegistrations()).map((kept) => kept.scope),
        (await caches.keys()).filter((name) => name.includes("/gone/"))]);
    assert.ok(!scopes.includes(`${address}/gone/`), "the worker unregistered itself");
    assert.deepEqual(copies, [], "its copy dropped");
    await page.close();
});
