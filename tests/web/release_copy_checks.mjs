// The offline copy as a host changes what it serves under a returning player, in Chromium.
//   node release_copy_checks.mjs, with VORN_WEB_PAGE (release A), VORN_WEB_PAGE_WITHOUT_SCORE
//   (release B, which says in the console that it lacks score.raw) and VORN_NODE_MODULES
import assert from "node:assert/strict";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { after, test } from "node:test";

import { DESKTOP, browsers, loadPuppeteer, serve, setSize, siteOf, until } from "./browser_session.mjs";
import { decodePng } from "./png_pixels.mjs";

const [A, B] = [process.env.VORN_WEB_PAGE, process.env.VORN_WEB_PAGE_WITHOUT_SCORE];
const playsB = (lines) => lines.some((line) => line.includes('"score.raw" cannot be opened'));
// Each site's folder, files replaced in it, and whether its index.html is sent on to "./".
const hosted = {};
const server = await serve((name) => {
    const [site, ...file] = name.split("/");
    const host = hosted[site];
    if (!host) return "/nonexistent";
    return host.replaced?.[file.join("/")] || path.join(host.folder, ...file);
}, { redirectFor: (where) => (where.endsWith("/index.html")
    && hosted[where.split("/")[0]]?.redirected ? "./" : null) });
const { browser } = await browsers.chromium(loadPuppeteer());
// The same game in other bytes: A's module with a custom section appended.
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "vorn-release-copy-"));
const swapped = path.join(scratch, "vorngame.wasm");
const section = Buffer.from("\x01xother bytes", "latin1");
fs.writeFileSync(swapped, Buffer.concat([fs.readFileSync(path.join(A, "vorngame.wasm")),
    Buffer.from([0, section.length]), section]));
after(async () => {
    await browser.close();
    server.close();
    fs.rmSync(scratch, { recursive: true });
});

// A visit that plays (the well's corner drawn); answers what the page wrote meanwhile.
async function visit(page, go = () => page.reload()) {
    const from = page.lines.length;
    await go();
    await until("the game's first frame", async () => {
        const canvas = await page.$("#canvas");
        const image = canvas && decodePng(Buffer.from(await canvas.screenshot({ type: "png" })));
        return image && String(image.at(51, 495)) === "63,63,63";
    });
    return page.lines.slice(from);
}

// A player's first visit to a site holding A, which leaves A's copy.
async function returning(site, { where = "", ...host } = {}) {
    hosted[site] = { folder: A, ...host };
    const page = await browser.newPage();
    await setSize(page, DESKTOP);
    page.lines = [];
    page.on("console", (message) => page.lines.push(message.text()));
    await visit(page, () => page.goto(`${siteOf(server)}/${site}/${where}`));
    await page.evaluate(() => navigator.serviceWorker.ready);
    return page;
}

test("a release with a file changed under its install is refused; A's copy plays", async () => {
    const page = await returning("swap");
    hosted.swap = { folder: B, replaced: { "vorngame.wasm": swapped } };
    await page.reload();
    const refusal = /release \S+ was not kept: the server's vorngame\.wasm \(other bytes\)/;
    await until("the refusal", () => page.lines.some((line) => refusal.test(line)));
    assert.ok(!playsB(await visit(page)), "A plays, from its copy");
    hosted.swap = { folder: B };
    await page.reload();
    await until("B kept, waiting until no page of A is open", () => page.evaluate(async () =>
        !!(await navigator.serviceWorker.getRegistration())?.waiting));
});

test("a host sending index.html on to ./ plays online, then offline", async () => {
    const page = await returning("moved", { where: "index.html", redirected: true });
    await visit(page);
    await page.setOfflineMode(true);
    await visit(page);
});

test("a new release on the server plays on the visit that finds it", async () => {
    const page = await returning("next");
    hosted.next = { folder: B };
    assert.ok(playsB(await visit(page)), "B plays");
});

test("a removed folder: the next visit gets the 404, and the worker is gone", async () => {
    const page = await returning("gone");
    delete hosted.gone;
    assert.equal((await page.reload()).status(), 404, "the server's answer, not the copy");
    hosted.gone = { folder: A };
    await visit(page);
    assert.equal(await page.evaluate(() => navigator.serviceWorker.controller), null,
        "the page comes from the server, no worker standing in between");
});
