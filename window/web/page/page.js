// The page's script (index.html): the layout's buttons, touch, the lines that say why the game
// ended, and the start of the run. A file of its own, so that the page's content policy allows
// no inline script; served shortened (cmake/vorn_minify_page.cjs).
//
// The page and the module meet in one object, Module.vornPage, which only this file makes and
// only window/web/web_page.cpp uses on the module's side:
//   canvas                the window's drawing area (also Module.canvas, which Emscripten reads)
//   showContextLost(on)   the line over the canvas while the browser has taken the WebGL context
//   keepScreenOn(on)      asks the browser to keep the screen on, or lets it go dark again
//   failed(kind, detail)  why the run is about to end: "no-webgl", "window" (the window did not
//                         open; the detail says why) or "out-of-memory"
//   press                 set by the module while the game listens: press(control) presses and
//                         releases the key of a control, named as the buttons' data-control
"use strict";
// Emscripten's script reads the page's settings from the global Module; the rest of the page's
// names stay inside, clear of the script's own.
var Module;
// Run as a worker (below), the file only makes a WebGL context and says when it has.
if (typeof document === "undefined") {
  try {
    new OffscreenCanvas(1, 1).getContext("webgl");
  } finally {
    postMessage("started");
  }
} else (() => {
  const root = document.documentElement;
  const element = (id) => document.getElementById(id);
  const canvas = element("canvas");
  const controls = element("controls");
  const focusHint = element("focus-hint");
  let ended = false;

  // The canvas holds the game's keys; the button would otherwise keep them after a click.
  const fullscreenButton = element("fullscreen");
  canvas.addEventListener("mousedown", () => canvas.focus());
  fullscreenButton.hidden = !(canvas.requestFullscreen && document.fullscreenEnabled);
  fullscreenButton.addEventListener("click", () => {
    if (canvas.requestFullscreen) canvas.requestFullscreen().catch(() => {});
    canvas.focus();
  });

  // A reload is the new game, and the one way back from a failure, on a home screen too (where
  // the browser offers no reload of its own).
  const startAgain = () => location.reload();
  element("again").addEventListener("click", startAgain);
  element("context-reload").addEventListener("click", startAgain);

  // The first line that explains the end stays: what follows a failure is its consequence.
  // `again` names the button, or is null where starting again cannot help.
  function endOfGame(line, again = "Play again") {
    if (ended) return;
    ended = true;
    root.classList.remove("playing");
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    element("stage").hidden = true;
    element("keys").hidden = true;
    if (line) element("ended").textContent = line;
    element("again").hidden = !again;
    element("again").textContent = again || "";
    element("end").hidden = false;
  }
  const failedToStart = (line) => endOfGame(line, "Try again");

  // --- Focus: the keys reach the game only while the canvas has them ---
  canvas.addEventListener("focus", () => { focusHint.hidden = true; });
  // A window that loses the focus keeps the canvas as its active element: no hint for that.
  canvas.addEventListener("blur", () => setTimeout(() => {
    if (ended || document.activeElement === canvas) return;
    if (controls.contains(document.activeElement)) canvas.focus({ preventScroll: true });
    else focusHint.hidden = false;
  }, 0));

  // --- The lost picture: the line over the canvas, and a way out if it never comes back ---
  const RELOAD_OFFERED_AFTER_MS = 10000;
  const lostLine = element("context-lost-line");
  const lostNow = lostLine.textContent;
  let reloadTimer = 0;
  function showContextLost(shown) {
    element("context-lost").hidden = !shown;
    element("context-reload").hidden = true;
    lostLine.textContent = lostNow;
    clearTimeout(reloadTimer);
    if (shown) {
      reloadTimer = setTimeout(() => {
        lostLine.textContent = "The picture is lost: the browser has not given the graphics " +
          "back. Starting again may bring them back; this game is lost.";
        element("context-reload").hidden = false;
      }, RELOAD_OFFERED_AFTER_MS);
    }
  }

  // --- The screen kept on while the game runs; a lock lapses while the tab is hidden ---
  const screenLock = { wanted: false, lock: null };
  function askForScreen() {
    if (!screenLock.wanted || screenLock.lock || !navigator.wakeLock || document.hidden) return;
    navigator.wakeLock.request("screen").then((lock) => {
      screenLock.lock = lock;
      lock.onrelease = () => { screenLock.lock = null; };
    }, () => {});
  }
  document.addEventListener("visibilitychange", askForScreen);
  // Asked in a task of its own: the request waits on the browser, and the game opens meanwhile.
  function keepScreenOn(on) {
    screenLock.wanted = !!on;
    if (on) setTimeout(askForScreen);
    else if (screenLock.lock) screenLock.lock.release();
  }

  // --- Touch: the controls and the gestures press the game's keys when the finger lifts ---
  const press = (control) => Module.vornPage.press && Module.vornPage.press(control);
  const offerTouch = () => root.classList.add("touch");
  if (matchMedia("(pointer: coarse)").matches) offerTouch();
  addEventListener("pointerdown", (event) => {
    if (event.pointerType === "touch") offerTouch();
  }, { capture: true, passive: true });

  // Each finger on its own: two thumbs on two buttons each press theirs when they lift.
  const held = new Map();  // pointer id -> the button it went down on
  const letGo = (id) => {
    const button = held.get(id);
    held.delete(id);
    if (button && ![...held.values()].includes(button)) button.classList.remove("down");
  };
  controls.addEventListener("mousedown", (event) => event.preventDefault());
  controls.addEventListener("pointerdown", (event) => {
    const button = event.target.closest("button");
    if (!button) return;
    held.set(event.pointerId, button);
    button.classList.add("down");
  });
  // A finger that slides off the button before it lifts presses nothing.
  controls.addEventListener("pointerup", (event) => {
    const button = held.get(event.pointerId);
    const under = document.elementFromPoint(event.clientX, event.clientY);
    if (button && under && under.closest("button") === button) press(button.dataset.control);
    letGo(event.pointerId);
  });
  controls.addEventListener("pointercancel", (event) => letGo(event.pointerId));
  // A keyboard or a screen reader presses a button without a pointer.
  controls.addEventListener("click", (event) => {
    const button = event.target.closest("button");
    if (button && event.detail === 0) press(button.dataset.control);
  });

  // On the canvas: a tap turns, a sideways swipe shifts a column for each cell's width it
  // travels, a swipe down drops. A second finger cancels the gesture; the first finger down
  // always starts a new one, even when the last one's lift never came. A finger that moves less
  // than SLOP (half a cell, never under TAP_SLOP_CSS_PX) is a tap, and a swipe counts columns by
  // the cell's width, never under COLUMN_CSS_PX: a shaky tap is not a drop on a small screen.
  const TAP_SLOP_CSS_PX = 16;
  const COLUMN_CSS_PX = 24;
  let swipe = null;
  canvas.addEventListener("pointerdown", (event) => {
    canvas.focus();
    if (event.pointerType === "mouse") return;
    if (event.isPrimary) swipe = { id: event.pointerId, x: event.clientX, y: event.clientY };
    else if (swipe) swipe.cancelled = true;
  });
  canvas.addEventListener("pointercancel", (event) => {
    if (swipe && event.pointerId === swipe.id) swipe = null;
  });
  canvas.addEventListener("pointerup", (event) => {
    if (!swipe || event.pointerId !== swipe.id) return;
    const [dx, dy] = [event.clientX - swipe.x, event.clientY - swipe.y];
    const cancelled = swipe.cancelled;
    swipe = null;
    if (cancelled) return;
    const cell = (canvas.clientWidth * 30) / 800;
    const slop = Math.max(cell / 2, TAP_SLOP_CSS_PX);
    const column = Math.max(cell, COLUMN_CSS_PX);
    if (Math.abs(dx) < slop && Math.abs(dy) < slop) press("turn");
    else if (Math.abs(dx) > Math.abs(dy))
      for (let n = Math.max(1, Math.round(Math.abs(dx) / column)); n > 0; --n)
        press(dx < 0 ? "left" : "right");
    else if (dy > 0) press("drop");
  });
  const keepStill = (event) => { if (!ended) event.preventDefault(); };
  document.addEventListener("touchmove", keepStill, { passive: false });
  document.addEventListener("gesturestart", keepStill);

  // --- Failures, each in words with its cause ---
  const failures = {
    file: "This page was opened as a file, and a browser does not let such a page load the " +
      "game. Serve its folder over HTTP instead: scripts/play-web in the game's source, or any " +
      "static web server in this folder (for example python3 -m http.server 8000), then open " +
      "the address it gives.",
    "no-webgl": () => "This browser gives the page no WebGL, which the game draws with. Try " +
      "another browser, or turn on hardware acceleration (\"use graphics acceleration when " +
      "available\") in this browser's settings, then open the page again.",
    window: (detail) => `The game could not open its window: ${detail}.`,
    "out-of-memory": () => "The game ran out of memory. Closing other tabs or programs, then " +
      "starting again, may help.",
  };
  // The module names why it is about to end; the page says it when the run ends.
  let failure = null;
  // The last line the game wrote to the console's errors, quoted when it stops on one.
  let lastError = "";

  // The page downloads the module and the packed images itself, so that a failed download is
  // known by its file and the server's answer whichever Emscripten built the script: some
  // versions' loaders only log it, and the run would then wait for the file for ever.
  const where = (file) => new URL(file, location.href).href;
  const NETWORK_FAILED = "the network failed (the download did not complete)";
  const serverAnswer = (reply) =>
    `the server answers HTTP ${reply.status} ${reply.statusText}`.trim();
  // A server that answers is missing the file; a network that failed may not fail again.
  function downloadFailed(file, answer, serverRefused) {
    failedToStart(`The game's file ${file} could not be downloaded: ${answer} for ` +
      `${where(file)}. ` + (serverRefused ? "The page needs it in the same folder as index.html."
      : "Trying again may help."));
  }
  function download(file) {
    return fetch(file, { credentials: "same-origin" }).then((reply) => {
      if (reply.ok) return reply;
      downloadFailed(file, serverAnswer(reply), true);
      throw new Error(serverAnswer(reply));
    }, (error) => {
      downloadFailed(file, NETWORK_FAILED, false);
      throw error;
    });
  }
  // A script element says only that it failed, so the server is asked once more.
  async function scriptFailed(file) {
    try {
      const reply = await fetch(file, { method: "HEAD", cache: "no-store" });
      if (reply.ok) downloadFailed(file, "the download was interrupted", false);
      else downloadFailed(file, serverAnswer(reply), true);
    } catch (error) {
      downloadFailed(file, NETWORK_FAILED, false);
    }
  }
  // Compiled while it arrives where the server names its type; from the whole file elsewhere.
  async function instantiate(reply, imports) {
    const streamed = (reply.headers.get("Content-Type") || "").startsWith("application/wasm");
    if (streamed && WebAssembly.instantiateStreaming)
      return WebAssembly.instantiateStreaming(reply, imports);
    return WebAssembly.instantiate(await reply.arrayBuffer(), imports);
  }

  function stopped(error) {
    if (failure && failure.kind === "out-of-memory") return failedToStart(failures[failure.kind]());
    endOfGame(`The game stopped on an error: ${error || "no message"}. The browser's console ` +
      "tells more.", "Try again");
  }

  Module = {
    canvas: canvas,
    vornPage: {
      canvas: canvas,
      showContextLost,
      keepScreenOn,
      failed: (kind, detail) => { failure = failure || { kind, detail }; },
      press: null,
    },
    print: (text) => console.log(text),
    printErr: (text) => {
      lastError = text.replace(/^vorngame: /, "");
      console.error(text);
    },
    onExit: (code) => {
      console.log("vorngame: exit code " + code);
      if (code === 0) endOfGame("The game has ended.");
      else if (failure) failedToStart((failures[failure.kind] || failures.window)(failure.detail));
      else failedToStart(`The game could not go on: ${lastError || "exit code " + code}.`);
    },
    onAbort: (what) => {
      console.error("vorngame: stopped: " + what);
      // The module writes why before it aborts; the runtime's own word comes last.
      stopped(lastError || what);
    },
  };
  // An error thrown in a turn ends the run without an abort: said the same way, in its words.
  addEventListener("error", (event) => {
    if (root.classList.contains("playing")) stopped(event.message);
  });

  // The browser starts its graphics for the first WebGL context a page asks for, and the thread
  // that asks waits meanwhile: hundreds of milliseconds where the drawing is done in software. A
  // worker asks first, so that the wait is the worker's, and the page's own context then comes
  // at once. Where a worker cannot draw, the page goes on without it. The worker, and its
  // context, end only once the page has its own: ending a context keeps the graphics busy, and
  // the page's asking would wait for that.
  function graphicsStarted() {
    return new Promise((resolve) => {
      if (typeof OffscreenCanvas !== "function") return resolve(null);
      const worker = new Worker("page.js");
      worker.onmessage = worker.onerror = () => resolve(worker);
    }).catch(() => null);
  }
  // After the page's first layout and paint, in a task of their own: the canvas's size, or its
  // focus, asked before it would lay the page out inside the asking task, making it twice as
  // long. A hidden tab paints nothing, and so waits for nothing.
  const laidOut = new Promise((resolve) => {
    if (document.hidden) resolve();
    else requestAnimationFrame(() => setTimeout(resolve));
  });
  // Sized as the game sizes it (window/web/web_gl_context.cpp, drawing_buffer_fit.cpp), so the
  // browser allocates its drawing buffer once. The game then finds it on the canvas.
  function makeContext() {
    const ratio = devicePixelRatio || 1;
    const scale = Math.min(canvas.clientWidth * ratio / 800, canvas.clientHeight * ratio / 600,
      4096 / 800);
    canvas.width = Math.max(1, Math.round(800 * scale));
    canvas.height = Math.max(1, Math.round(600 * scale));
    canvas.getContext("webgl", { alpha: false, depth: false, stencil: false, antialias: false });
  }

  if (location.protocol === "file:") {
    endOfGame(failures.file, null);
  } else {
    root.classList.add("playing");
    // While the files download.
    const context = Promise.all([graphicsStarted(), laidOut]).then(([worker]) => {
      makeContext();
      if (worker) setTimeout(() => worker.terminate());
    });
    const module = download("vorngame.wasm");
    Module.instantiateWasm = (imports, receive) => {
      module.then((reply) => instantiate(reply, imports))
        .then((made) => receive(made.instance, made.module))
        .catch((error) => failedToStart(`The game could not start: ${error.message}.`));
      return {};
    };
    // The script's loader takes the images from the page when it runs, so it comes after
    // them (the head's preload has been downloading it meanwhile).
    const images = download("vorngame.data").then((reply) => reply.arrayBuffer());
    Promise.all([images, context]).then(([images]) => {
      Module.getPreloadedPackage = () => images;
      const script = document.createElement("script");
      script.src = "vorngame.js";
      script.onerror = () => scriptFailed("vorngame.js");
      document.body.append(script);
    }, () => {});
    laidOut.then(() => canvas.focus());
    // The offline copy: after this visit the page plays without the network. Its worker
    // tells the page when it did not keep a release, for the console.
    if ("serviceWorker" in navigator) {
      navigator.serviceWorker.onmessage = (event) => console.warn(String(event.data));
      addEventListener("load", () => navigator.serviceWorker.register("service-worker.js")
        .catch((error) => console.log("vorngame: no offline copy: " + error.message)));
    }
  }
})();
