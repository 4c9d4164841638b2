// The page's offline copy, in a real browser: once opened, the page plays with the network off;
// each folder the page is served from keeps a copy of its own; a new release's copy is asked of
// the server, not of the browser's cache.
//   node page_offline_checks.mjs chromium|firefox   (page_session.mjs)
import assert from "node:assert/strict";
import crypto from "node:crypto";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { test } from "node:test";

import { serve, siteOf, until } from "./browser_session.mjs";
import { browserName, open, pageFolder } from "./page_session.mjs";
import { WELL, expectWellAndPiece, firstFrame, leftEdgeAfterMoving } from "./well.mjs";

// Once the page's service worker has finished setting up its copy, the copies' names.
const copiesOnceActive = (page) => until("the service worker active", () => page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    return registration.active.state === "activated" && await caches.keys();
}));

test("once opened, the page plays with the network off, each folder with a copy of its own", {
    skip: browserName !== "chromium" && "the offline switch is Chromium's",
}, async () => {
    const { page } = await open("full");
    await firstFrame(page);
    const kept = await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        const names = await caches.keys();
        const copy = await caches.open(names.find((name) => name.includes(location.pathname)));
        return (await copy.keys()).map((request) => new URL(request.url).pathname.split("/").pop());
    });
    assert.deepEqual(kept.sort(), ["index.html", "manifest.webmanifest", "page.css", "page.js",
        "vorngame-256.png", "vorngame.data", "vorngame.js", "vorngame.wasm"]);
    // A second folder on the same host keeps a copy of its own beside the first.
    const { page: other } = await open("other");
    await firstFrame(other);
    const names = await copiesOnceActive(other);
    for (const folder of ["/full/", "/other/"])
        assert.ok(names.some((name) => name.includes(folder)), `a copy for ${folder}: ${names}`);
    await other.close();
    await page.setOfflineMode(true);
    try {
        await page.reload();
        const piece = expectWellAndPiece(await firstFrame(page));
        await page.keyboard.press("ArrowLeft");
        assert.equal(await leftEdgeAfterMoving(page, piece.left), piece.left - WELL.cell,
            "offline, Left moves the piece");
    } finally {
        await page.setOfflineMode(false);
        await page.close();
    }
});

test("a new release's copy is asked of the server, not of the browser's cache", async () => {
    // A host that lets the browser keep every file for an hour.
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "vorn-release-"));
    fs.cpSync(pageFolder, folder, { recursive: true });
    const server = await serve((name) => path.join(folder, name),
        { headers: { "Cache-Control": "max-age=3600" } });
    try {
        const { page } = await open(`${siteOf(server)}/`);
        await firstFrame(page);
        await copiesOnceActive(page);
        // The next release: another index.html, and a worker that names it (its install takes
        // only the files it names by their hashes, so the browser's kept index.html is refused).
        const index = path.join(folder, "index.html");
        fs.appendFileSync(index, "<!-- the next release -->\n");
        const hash = crypto.createHash("sha256").update(fs.readFileSync(index)).digest("hex");
        const worker = path.join(folder, "service-worker.js");
        fs.writeFileSync(worker, fs.readFileSync(worker, "utf8")
            .replace(/(\d+\.\d+\.\d+-)[0-9a-f]+/, "$1next")
            .replace(/("index\.html":\s*")[0-9a-f]+/, `$1${hash.slice(0, 16)}`));
        await page.evaluate(async () => (await navigator.serviceWorker.ready).update());
        await until("the new release's index.html in the copy", () => page.evaluate(async () => {
            for (const name of await caches.keys()) {
                const kept = await (await caches.open(name)).match("index.html");
                if (kept && (await kept.text()).includes("the next release")) return true;
            }
            return false;
        }));
        await page.close();
    } finally {
        server.close();
        fs.rmSync(folder, { recursive: true, force: true });
    }
});
