// The page at a phone's pace, in headless Chromium, and as Lighthouse scores it. Prints:
//   - for a phone held upright (390x844) and sideways (844x390), three device pixels to the CSS
//     pixel, the main thread slowed 4x: the long tasks from the page's load to the end of the
//     play (how many, the longest, the time they blocked beyond 50 ms each, and when each came);
//     the page's animation frames a second during play beside an empty page's under the same
//     slowdown; and the JavaScript heap's growth a frame beside the empty page's;
//   - where Lighthouse is installed (--lighthouse DIR, its node_modules' parent), its mobile and
//     desktop scores over several runs, since they vary from run to run.
// The game plays by itself: no key is pressed, no pad connected, so pieces fall and stack.
// node bench/web_phone_pace.mjs --page DIR [--seconds N] [--runs N] [--lighthouse DIR]
//                               [--lighthouse-runs N] [--skip-phones 1]
import { spawn } from "node:child_process";
import fs from "node:fs";
import path from "node:path";

import { browsers, loadPuppeteer, serve, siteOf, until } from "../tests/web/browser_session.mjs";

const puppeteer = loadPuppeteer();

const options = { seconds: 10, runs: 1, lighthouseRuns: 3 };
for (let i = 2; i < process.argv.length; i += 2) {
    options[process.argv[i].replace(/^--/, "").replace(/-(.)/g, (_, c) => c.toUpperCase())] =
        process.argv[i + 1];
}
const seconds = Number(options.seconds);
const SLOWDOWN = 4;
const PHONES = [
    { name: "portrait 390x844", width: 390, height: 844 },
    { name: "landscape 844x390", width: 844, height: 390 },
];

// Registered before the page's own scripts: every long task from the start of the load on.
function watchLongTasks() {
    window.vornLongTasks = [];
    new PerformanceObserver((list) => {
        for (const entry of list.getEntries())
            window.vornLongTasks.push({ start: entry.startTime, duration: entry.duration });
    }).observe({ type: "longtask", buffered: true });
}

// Runs in the page: counts animation frames for `span` ms and sums the rises of the used heap
// between them, second by second. The growth a frame is the median of the seconds': once in a
// while the heap's own bookkeeping raises the used size by hundreds of kilobytes in one frame,
// where the sampling heap profiler finds no allocation, and the sum over the whole span would
// be that step. Its samples go into an array made beforehand, so that the count itself allocates
// no more on the game's page than on the empty one.
function framesAndHeap(span) {
    return new Promise((resolve) => {
        const seconds = new Float64Array(Math.ceil(span / 1000) + 1);
        let frames = 0, rises = 0, last = performance.memory.usedJSHeapSize, start = -1;
        let counted = 0, secondFrames = 0, secondRises = 0;
        const tick = (now) => {
            if (start < 0) start = now;
            const used = performance.memory.usedJSHeapSize;
            if (used > last) {
                rises += used - last;
                secondRises += used - last;
            }
            last = used;
            ++secondFrames;
            if (now - start >= 1000 * (counted + 1)) {
                seconds[counted++] = secondRises / secondFrames;
                secondRises = secondFrames = 0;
            }
            if (now - start < span) {
                ++frames;
                requestAnimationFrame(tick);
                return;
            }
            const sorted = Array.from(seconds.subarray(0, counted)).sort((a, b) => a - b);
            resolve({ perSecond: (1000 * frames) / (now - start), heapPerFrame: sorted[counted >> 1],
                heapPerFrameOverAll: rises / frames });
        };
        requestAnimationFrame(tick);
    });
}

async function phonePage(browser, phone) {
    const page = await browser.newPage();
    const session = await page.createCDPSession();
    await session.send("Emulation.setCPUThrottlingRate", { rate: SLOWDOWN });
    await page.setViewport({ width: phone.width, height: phone.height, deviceScaleFactor: 3,
        isMobile: true, hasTouch: true });
    return page;
}

async function measurePlay(browser, url, phone) {
    const page = await phonePage(browser, phone);
    await page.evaluateOnNewDocument(watchLongTasks);
    const errors = [];
    page.on("pageerror", (error) => errors.push(error.message));
    await page.goto(url);
    await until("the game listening", () =>
        page.evaluate(() => typeof Module === "object" && typeof Module.vornPage?.press === "function"),
    60);
    const startedAt = await page.evaluate(() => performance.now());
    // The first second of play still holds the start's last work; the count leaves it out.
    await new Promise((resolve) => setTimeout(resolve, 1000));
    const play = await page.evaluate(framesAndHeap, (seconds - 1) * 1000);
    const result = await page.evaluate(() => ({
        tasks: window.vornLongTasks,
        buffer: [Module.canvas.width, Module.canvas.height],
        ended: !document.getElementById("end").hidden,
    }));
    await page.close();
    if (errors.length > 0) throw new Error(`the page failed: ${errors.join("; ")}`);
    if (result.ended) throw new Error("the game ended during the measurement");
    return { ...play, ...result, startedAt };
}

async function measureEmpty(browser, phone) {
    const page = await phonePage(browser, phone);
    await page.setContent("<!DOCTYPE html><title>empty</title>");
    const empty = await page.evaluate(framesAndHeap, (seconds - 1) * 1000);
    await page.close();
    return empty;
}

const ms = (value) => `${Math.round(value)} ms`;

function printPlay(phone, play, empty) {
    const tasks = play.tasks;
    const longest = tasks.reduce((most, task) => Math.max(most, task.duration), 0);
    const blocked = tasks.reduce((sum, task) => sum + Math.max(0, task.duration - 50), 0);
    const inPlay = tasks.filter((task) => task.start > play.startedAt + 1000);
    console.log(`  ${phone.name} (drawing buffer ${play.buffer.join("x")}): ` +
        `the game listening ${ms(play.startedAt)} after navigation`);
    console.log(`    long tasks from load: ${tasks.length}, longest ${ms(longest)}, ` +
        `${ms(blocked)} beyond 50 ms; in play after its first second: ${inPlay.length}` +
        (tasks.length ? ` [${tasks.map((task) => `${ms(task.duration)} at ${ms(task.start)}`)
            .join(", ")}]` : ""));
    console.log(`    frames a second: ${play.perSecond.toFixed(1)}, empty page ` +
        `${empty.perSecond.toFixed(1)}: ${(100 * play.perSecond / empty.perSecond).toFixed(0)} %`);
    console.log(`    heap growth a frame (the median second's): ${play.heapPerFrame.toFixed(0)} ` +
        `bytes, empty page ${empty.heapPerFrame.toFixed(0)}: ` +
        `${(play.heapPerFrame - empty.heapPerFrame).toFixed(0)} bytes more (over the whole play ` +
        `${play.heapPerFrameOverAll.toFixed(0)}, empty page ${empty.heapPerFrameOverAll.toFixed(0)})`);
}

async function phones(url) {
    const { browser } = await browsers.chromium(puppeteer,
        { extraArgs: ["--enable-precise-memory-info"] });
    try {
        console.log(`\nat a phone's pace: ${await browser.version()}, CPU slowed ${SLOWDOWN}x, ` +
            `device scale factor 3, ${seconds} s of play`);
        for (let run = 0; run < Number(options.runs); ++run) {
            for (const phone of PHONES) {
                const play = await measurePlay(browser, url, phone);
                const empty = await measureEmpty(browser, phone);
                printPlay(phone, play, empty);
            }
        }
    } finally {
        await browser.close();
    }
}

// One Lighthouse run in its own process and its own Chromium: the scores, the total blocking
// time and the largest contentful paint. Not waited for synchronously: this process serves the
// page meanwhile.
async function lighthouse(url, preset) {
    const cli = path.join(options.lighthouse, "node_modules", "lighthouse", "cli", "index.js");
    const flags = ["--headless=new", "--no-sandbox", "--use-angle=swiftshader",
        "--enable-unsafe-swiftshader"].join(" ");
    const child = spawn(process.execPath, [cli, url, "--output=json", "--output-path=stdout",
        "--quiet", `--chrome-flags=${flags}`, ...(preset === "desktop" ? ["--preset=desktop"] : [])],
    { env: { ...process.env, CHROME_PATH: process.env.VORN_CHROMIUM || "/usr/bin/chromium" } });
    let out = "", err = "";
    child.stdout.on("data", (chunk) => { out += chunk; });
    child.stderr.on("data", (chunk) => { err += chunk; });
    const status = await new Promise((resolve) => child.on("close", resolve));
    if (status !== 0) throw new Error(`lighthouse failed (${status}): ${err.slice(-400)}`);
    const report = JSON.parse(out);
    const score = (name) => Math.round(100 * report.categories[name].score);
    return {
        performance: score("performance"), accessibility: score("accessibility"),
        bestPractices: score("best-practices"), seo: score("seo"),
        blocking: report.audits["total-blocking-time"].numericValue,
        paint: report.audits["largest-contentful-paint"].numericValue,
    };
}

async function scores(url) {
    const cli = path.join(options.lighthouse, "node_modules", "lighthouse", "package.json");
    if (!fs.existsSync(cli)) {
        console.log(`\nlighthouse: not measured (not installed in ${options.lighthouse})`);
        return;
    }
    const version = JSON.parse(fs.readFileSync(cli, "utf8")).version;
    for (const preset of ["mobile", "desktop"]) {
        console.log(`\nlighthouse ${version}, ${preset} preset:`);
        const runs = [];
        for (let run = 0; run < Number(options.lighthouseRuns); ++run) {
            const got = await lighthouse(url, preset);
            runs.push(got);
            console.log(`  performance ${got.performance}, total blocking time ${ms(got.blocking)}, ` +
                `largest contentful paint ${(got.paint / 1000).toFixed(1)} s; accessibility ` +
                `${got.accessibility}, best practices ${got.bestPractices}, SEO ${got.seo}`);
        }
        const median = (key) => [...runs.map((got) => got[key])].sort((a, b) => a - b)[
            Math.floor(runs.length / 2)];
        console.log(`  median: performance ${median("performance")}, total blocking time ` +
            `${ms(median("blocking"))}`);
    }
}

const server = await serve((name) => path.join(options.page, name));
try {
    const url = `${siteOf(server)}/`;
    if (!options.skipPhones) await phones(url);
    if (options.lighthouse) await scores(url);
} finally {
    server.close();
}
