// Measures the web build in headless Chromium and prints:
//   - the full-well page's frames per second and the milliseconds its Draw takes (its own
//     console lines, one a second), beside the rate at which the same browser runs animation
//     frames on an empty page;
//   - the same two rates in Firefox (Debian's firefox-esr), which offers WebGL only with a
//     display: it runs with a window on an X server of its own (an Xvfb);
//   - the size of each file a player downloads, raw and gzip-compressed (level 6, as web
//     servers commonly send them).
// node bench/web_frame_rate.mjs --bench-page DIR --page DIR [--seconds N]
//                               [--browsers chromium,firefox]
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";

import { browsers, firefoxPath, loadPuppeteer, serve, siteOf } from
    "../tests/web/browser_session.mjs";

// puppeteer-core from the web checks' lockfile, installed where run-web-bench put it.
const puppeteer = loadPuppeteer();

const options = { seconds: 10, browsers: "chromium,firefox" };
for (let i = 2; i < process.argv.length; i += 2) {
    options[process.argv[i].replace(/^--/, "").replace(/-(.)/g, (_, c) => c.toUpperCase())] =
        process.argv[i + 1];
}
const seconds = Number(options.seconds);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function frameRates(browser, url) {
    const page = await browser.newPage();
    const rates = [];
    page.on("console", (message) => {
        const match = /vorn_web_bench: (\d+) frames in (\d+) ms, ([\d.]+) ms/.exec(message.text());
        if (match) {
            const [frames, span, drawing] = match.slice(1).map(Number);
            rates.push({ perSecond: (1000 * frames) / span, drawMs: drawing / frames });
        }
    });
    await page.goto(url);
    const deadline = Date.now() + (seconds + 30) * 1000;
    // The first second holds the start-up; it is left out.
    while (rates.length < seconds + 1 && Date.now() < deadline)
        await new Promise((resolve) => setTimeout(resolve, 200));
    await page.close();
    return rates.slice(1);
}

async function emptyPageRate(browser) {
    const page = await browser.newPage();
    const rate = await page.evaluate((span) => new Promise((resolve) => {
        let frames = 0;
        const start = performance.now();
        const tick = (now) => {
            if (now - start < span) {
                ++frames;
                requestAnimationFrame(tick);
            } else resolve((1000 * frames) / (now - start));
        };
        requestAnimationFrame(tick);
    }), 3000);
    await page.close();
    return rate;
}

function printSize(name, raw, gzip) {
    const [rawText, gzipText] = [String(raw).padStart(9), String(gzip).padStart(8)];
    console.log(`  ${name.padEnd(14)} ${rawText} bytes, gzip ${gzipText}`);
}

function printSizes(folder) {
    console.log(`\nwhat a player downloads (${folder}):`);
    let raw = 0, packed = 0;
    // The first six at every first visit; the rest only once, for the offline copy.
    for (const name of ["index.html", "page.js", "page.css", "vorngame.js", "vorngame.wasm",
        "vorngame.data",
        "service-worker.js", "manifest.webmanifest", "vorngame-256.png"]) {
        const body = fs.readFileSync(path.join(folder, name));
        const gzip = zlib.gzipSync(body, { level: 6 }).length;
        raw += body.length;
        packed += gzip;
        printSize(name, body.length, gzip);
    }
    printSize("together", raw, packed);
}

async function measure(name, url) {
    if (name === "firefox" && !fs.existsSync(firefoxPath)) {
        console.log(`\nfirefox: not measured (no ${firefoxPath})`);
        return;
    }
    const { browser, where, stop } = await browsers[name](puppeteer);
    try {
        console.log(`\nbrowser: ${await browser.version()} (${where})`);
        const samples = await frameRates(browser, url);
        if (samples.length === 0) throw new Error("the full-well page wrote no frame counts");
        const rates = samples.map((sample) => sample.perSecond);
        const drawing = samples.map((sample) => sample.drawMs);
        const empty = await emptyPageRate(browser);
        const [low, high] = [Math.min(...rates), Math.max(...rates)];
        console.log(`full-well frame, frames per second over ${rates.length} s: median ` +
            `${median(rates).toFixed(1)} (${low.toFixed(1)} .. ${high.toFixed(1)})`);
        console.log(`  the game's Draw, ms a frame: median ${median(drawing).toFixed(2)}`);
        console.log(`the browser's animation frames on an empty page: ${empty.toFixed(1)} per second`);
        console.log(`  full-well rate / empty-page rate: ${(100 * median(rates) / empty).toFixed(0)} %`);
    } finally {
        await browser.close();
        stop();
    }
}

const server = await serve((name) => path.join(options.benchPage, name));
try {
    console.log(`machine: ${os.cpus().length} processors, ${os.cpus()[0].model}, ` +
        `load average ${os.loadavg()[0].toFixed(1)}`);
    for (const name of options.browsers.split(",")) {
        if (!browsers[name]) throw new Error(`unknown browser ${name}`);
        await measure(name, `${siteOf(server)}/`);
    }
} finally {
    server.close();
}
printSizes(options.page);
