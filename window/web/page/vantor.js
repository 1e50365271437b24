// The browser's binding of the window: builds one element per control from the window's own
// layout table, mirrors the controls' state, forwards the user's events by control name, paints
// the two surfaces when their pixels changed, and gives the window its browser hooks. It decides
// nothing: every action is the window's logic, compiled to WebAssembly.
"use strict";

const vantorPage = (async () => {
  const pictures = vantorStart.pictures;
  const catalogue = document.getElementById("catalogue").textContent;
  const shippedCatalogue = "/shipped/vantor.csv";
  const pictureUrl = (name) => (name ? "data:image/png;base64," + pictures[name] : "");

  performance.mark("vantor:script");
  // The window's first frame is painted before the logic starts: the module's script is only
  // read then, as the WebAssembly starts compiling (start.js), so that neither holds it up.
  await vantorFirst.painted;
  const glue = document.createElement("script");
  glue.textContent = document.getElementById("module").textContent;
  document.head.appendChild(glue);
  // The module, compiling since the frame was painted, is instantiated once ready. A browser that
  // cannot compile or instantiate it ends the page with a message (below), rather than leave
  // the first frame standing as if it would answer.
  let notRunning;
  const failed = new Promise((_, reject) => { notRunning = reject; });
  const instantiateWasm = (imports, receive) => {
    vantorStart.module.then((module) => WebAssembly.instantiate(module, imports)).then(receive, notRunning);
    return {};
  };
  const [Module, planPicture, skyPicture] = await Promise.all([
    Promise.race([createVantor({ instantiateWasm }), failed]), vantorStart.planPicture, vantorStart.skyPicture]);
  performance.mark("vantor:module");
  Module.FS.mkdir("/shipped");
  // As bytes: the browser's own encoder is many times faster than the module's, which goes
  // through the text one character at a time.
  Module.FS.writeFile(shippedCatalogue, new TextEncoder().encode(catalogue));

  // The live window is built apart and then takes the place of the first frame.
  const windowEl = document.getElementById("skeleton").content.firstElementChild.cloneNode(true);
  const client = windowEl.querySelector("#client");
  const menubar = windowEl.querySelector("#menubar");
  const dialog = document.getElementById("message");
  const elements = new Map();   // control name -> element
  const refresh = [];           // the surfaces, painted after every event when changed
  const canvases = [];          // the views' canvases and the date's, by their number in `frame`
  let date = null;              // the date's label and canvas, and the text it shows
  let painter = null;           // draws what changed into the canvases, once the window is shown
  let scale = 1;                // screen pixels to the window's pixel, for the date
  let win = null;
  let layout = null;
  let timer = 0;

  // A modal box that does not hold up the action that asked for it, as on the desktop.
  const showMessage = (icon, title, text, note) => {
    dialog.querySelector("h2").textContent = title;
    const iconEl = dialog.querySelector(".icon");
    iconEl.className = "icon " + icon;
    iconEl.textContent = icon === "warning" ? "!" : "i";
    dialog.querySelector(".text").textContent = text.replace(/\r\n/g, "\n");
    dialog.querySelector(".note").textContent = note ?? "";
    dialog.querySelector(".note").hidden = note === null;
    dialog.querySelector(".credits").hidden = note === null;
    if (!dialog.open) dialog.showModal();
    dialog.querySelector("button").focus();
  };

  // ----- the browser's hooks --------------------------------------------------------------------
  const monthFormat = new Intl.DateTimeFormat(undefined, { month: "long" });
  const hooks = {
    monthName: (month) => monthFormat.format(new Date(2001, month - 1, 15)),
    message: (icon, title, text) => showMessage(icon, title, text, null),
    // The About box also names the font the page carries, whose licence asks for it.
    about: (title, text, note) => showMessage("information", title, text, note),
    writeFile: (name, view) => {
      try {
        const blob = new Blob([new Uint8Array(view)], { type: "image/bmp" });
        const link = document.createElement("a");
        link.href = URL.createObjectURL(blob);
        link.download = name;
        document.body.appendChild(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
        return null;
      } catch (error) {
        return "Cannot save " + name + ": " + error.message;
      }
    },
    quit: () => {
      clearInterval(timer);
      window.close();
      document.getElementById("ended").style.display = "flex";
      windowEl.style.display = "none";
    },
  };

  // ----- mirroring the controls -----------------------------------------------------------------
  const show = {
    frame: (el, s) => {
      el.querySelector(".caption").textContent = s.caption;
      el.querySelector(".caption").hidden = s.caption === "";
      el.setAttribute("aria-label", s.caption);
    },
    label: (el, s) => {
      if (el.classList.contains("bordered") !== (s.border === 1)) el.classList.toggle("bordered");
      // The date changes at every tick: it is drawn into its canvas, and only its name changes in
      // the page, which screen readers read and the browser need not lay out or paint.
      if (el === date?.label) {
        el.setAttribute("aria-label", s.caption);
        date.text = s.caption;
      } else {
        const text = el.firstChild;
        if (text && text.nodeType === Node.TEXT_NODE && !text.nextSibling) text.data = s.caption;
        else el.textContent = s.caption;
      }
    },
    check: (el, s) => el.setAttribute("aria-checked", s.value === 1 ? "true" : "false"),
    option: (el, s) => el.setAttribute("aria-checked", s.selected ? "true" : "false"),
    button: (el, s) => {
      el.classList.toggle("hidden", !s.visible);
      const img = el.querySelector("img");
      if (s.face && img.dataset.face !== s.face) {
        img.src = pictureUrl(s.face);
        img.dataset.face = s.face;
      }
    },
    surface: (el, s) => el.classList.toggle("hidden", !s.visible),
    menu: (el, s) => {
      const text = s.caption.replace(/\x08/g, "");
      if (el.classList.contains("menutitle")) {
        el.firstChild.textContent = text.trim() === "" ? "      " : text;
      } else if (s.caption !== "-") {
        el.querySelector(".text").textContent = text;
      }
      el.setAttribute("aria-disabled", s.enabled ? "false" : "true");
    },
    caption: (_el, s) => { document.title = s.caption; },
  };
  // What changed in the canvases since the last event, given to the painter at once: each
  // view's changed rectangles (canvas, left, top, width, height, five numbers each) with their
  // pixels one after the other in one block, and the date's text when it changed. One message
  // with one block, handed over rather than copied, costs the page least.
  const frame = { rects: [], pixels: null, date: null };
  const sourceOf = [];  // for each view's canvas: the view's number and width, to copy from
  // Blocks the painter has done with, to be filled again: writing into memory the browser has
  // just handed out costs many times what copying into memory already written does.
  const spare = [];
  const keepSpare = (buffers) => { for (const b of buffers) if (spare.length < 4 && b.byteLength) spare.push(b); };
  // The rectangles' pixels, copied out of the window's memory into a block: whole rows in one
  // go where a rectangle is as wide as its view.
  const gather = () => {
    let size = 0;
    for (let i = 0; i < frame.rects.length; i += 5) size += frame.rects[i + 3] * frame.rects[i + 4] * 4;
    let buffer = spare.pop();
    if (!buffer || buffer.byteLength < size) buffer = new ArrayBuffer(2 ** Math.ceil(Math.log2(Math.max(size, 1 << 16))));
    const block = new Uint8ClampedArray(buffer, 0, size);
    const views = new Map();
    for (let i = 0, at = 0; i < frame.rects.length; i += 5) {
      const { surface, width } = sourceOf[frame.rects[i]];
      if (!views.has(surface)) views.set(surface, win.pixels(surface));
      const bytes = views.get(surface);
      const left = frame.rects[i + 1], top = frame.rects[i + 2], w = frame.rects[i + 3], h = frame.rects[i + 4];
      if (w === width) {
        block.set(bytes.subarray(top * width * 4, (top + h) * width * 4), at);
        at += w * h * 4;
        continue;
      }
      for (let row = top, from = (top * width + left) * 4; row < top + h; row++, from += width * 4, at += w * 4) {
        block.set(bytes.subarray(from, from + w * 4), at);
      }
    }
    return block;
  };
  const mirror = () => {
    const changes = JSON.parse(win.takeChanges());
    for (const [name, state] of Object.entries(changes)) {
      const el = elements.get(name);
      if (el) show[el.dataset.kind](el, state);
    }
    if (!painter) return;
    for (const paint of refresh) paint();
    if (frame.rects.length) frame.pixels = gather();
    if (date && (date.shown !== date.text || date.scale !== scale)) {
      // The label's style, read once the window is in the page and sent with the first date.
      frame.date = { canvas: date.index, text: date.text, scale };
      if (!date.box) frame.date.box = date.box = vantorFirst.dateBox(date.canvas);
      date.shown = date.text;
      date.scale = scale;
    }
    if (frame.rects.length || frame.date) {
      painter(frame);
      // A painter in the page is done with the block; a worker was handed it and gives it back.
      if (frame.pixels) keepSpare([frame.pixels.buffer]);
      frame.rects = [];
      frame.pixels = null;
      frame.date = null;
    }
  };
  // Every event the window gets ends with the page brought up to date.
  const send = (method, name) => {
    if (!win) return;
    win[method](name);
    mirror();
  };

  // ----- building the window from the layout table ---------------------------------------------
  // The shown control `step` places from the named one in Tab order, round the window.
  const focusNext = (name, step) => {
    const order = layout.tabOrder.filter((n) => n === name || elements.get(n)?.getClientRects().length);
    const at = order.indexOf(name);
    if (at >= 0) elements.get(order[(at + step + order.length) % order.length]).focus();
  };
  const keysOf = (name) => layout.keys.filter((k) => k.control === name);
  const keyText = (k) => (k.ctrl ? "Ctrl+" : "") + (k.shift ? "Shift+" : "") + k.label;

  const make = (place) => {
    const el = document.createElement("div");
    el.className = "control " + place.kind;
    el.dataset.kind = place.kind;
    el.dataset.name = place.name;
    el.id = "c-" + place.name.replace(/[()]/g, "_");
    Object.assign(el.style, {
      left: place.left + "px", top: place.top + "px",
      width: place.width + "px", height: place.height + "px",
      zIndex: place.kind === "label" ? 0 : 1,
    });
    const container = place.container === "window" ? client : elements.get(place.container);
    container.appendChild(el);
    if (place.accessibleName) el.setAttribute("aria-label", place.accessibleName);
    if (place.description) el.setAttribute("aria-description", place.description);
    if (place.bordered) el.classList.add("bordered");
    if (place.plain) el.classList.add("plain");
    if (place.centred) el.classList.add("centre");
    if (place.date) el.classList.add("date");
    el.addEventListener("mousemove", (e) => { e.stopPropagation(); send("mouseMove", place.name); });
    el.addEventListener("dblclick", (e) => { e.stopPropagation(); send("doubleClick", place.name); });

    if (place.kind === "frame") {
      el.innerHTML = '<div class="line"></div><div class="caption"></div>';
      el.querySelector(".line").style.top = "6px";
      el.setAttribute("role", "group");
    } else if (place.kind === "check" || place.kind === "option") {
      el.innerHTML = place.kind === "check" ? '<span class="box"></span><span></span>'
                                            : '<span class="dot"></span><span></span>';
      el.lastChild.textContent = place.caption;
      // The mark where the desktop paints it, from the layout table.
      Object.assign(el.firstChild.style, { top: place.markTop + "px", width: place.markSize + "px",
                                           height: place.markSize + "px" });
      el.lastChild.style.marginLeft = place.captionLeft + "px";
      el.setAttribute("role", place.kind === "check" ? "checkbox" : "radio");
      el.tabIndex = 0;
      el.addEventListener("click", (e) => { e.stopPropagation(); send("click", place.name); });
      el.addEventListener("keydown", (e) => {
        if (e.ctrlKey || e.shiftKey || e.altKey || e.metaKey) return;
        if (e.key === " ") { e.preventDefault(); send("click", place.name); }
        // The arrows move the focus to the next or previous control in Tab order, as on the
        // desktop; the choice stays until Space or a click.
        const step = { ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1 }[e.key];
        if (step) { e.preventDefault(); focusNext(place.name, step); }
      });
    } else if (place.kind === "button") {
      el.innerHTML = "<img alt=''>";
      el.setAttribute("role", "button");
      if (place.pressable) {
        el.tabIndex = 0;
        el.addEventListener("mousedown", () => el.classList.add("pressed"));
        el.addEventListener("mouseup", () => el.classList.remove("pressed"));
        el.addEventListener("mouseleave", () => el.classList.remove("pressed"));
        el.addEventListener("keydown", (e) => {
          if ((e.key === " " || e.key === "Enter") && !e.ctrlKey && !e.shiftKey && !e.altKey) {
            e.preventDefault();
            if (!e.repeat) send("click", place.name);
          }
        });
      }
      if (place.picture) el.querySelector("img").src = pictureUrl(place.picture);
      // The second press of a double-click is the double-click, not another click.
      el.addEventListener("click", (e) => { e.stopPropagation(); if (e.detail < 2) send("click", place.name); });
    } else if (place.kind === "surface") {
      const surface = place.surface;
      const canvas = document.createElement("canvas");
      const width = canvas.width = win.width(surface);
      const height = canvas.height = win.height(surface);
      canvas.setAttribute("role", "img");
      if (place.accessibleName) canvas.setAttribute("aria-label", place.accessibleName);
      el.appendChild(canvas);
      const index = canvases.push(canvas) - 1;
      sourceOf[index] = { surface, width };
      let paintedOn = null;
      refresh.push(() => {
        // Only the rectangles drawn on since the last paint go to the canvas, copied out of the
        // window's memory; the whole view into a canvas not drawn on yet (the first, or one put
        // in place of a failed worker's).
        const whole = paintedOn !== canvases[index];
        const rects = whole ? [0, 0, width, height] : win.changedRects(surface);
        if (whole) win.changedRects(surface);
        paintedOn = canvases[index];
        for (let i = 0; i < rects.length; i += 4) {
          frame.rects.push(index, rects[i], rects[i + 1], rects[i + 2], rects[i + 3]);
        }
      });
      el.addEventListener("click", (e) => e.stopPropagation());
    } else if (place.kind === "label") {
      el.setAttribute("role", place.live ? "status" : "note");
      if (place.date) {
        const canvas = document.createElement("canvas");
        canvas.dataset.width = place.width;
        canvas.dataset.height = place.height;
        el.appendChild(canvas);
        date = { label: el, canvas, index: canvases.push(canvas) - 1, text: "", shown: null, scale: 0,
                 box: null };
      }
    }
    elements.set(place.name, el);
  };

  // The menus: titles in the bar, their commands below, Help at the right-hand end.
  const closeMenus = () => menubar.querySelectorAll(".menutitle.open").forEach((m) => m.classList.remove("open"));
  const makeMenu = (menu) => {
    const title = document.createElement("div");
    title.className = "menutitle" + (menu.right ? " right" : "");
    title.dataset.kind = "menu";
    title.dataset.name = menu.title;
    title.setAttribute("role", "menuitem");
    title.setAttribute("aria-haspopup", "true");
    title.tabIndex = -1;
    title.appendChild(document.createTextNode(""));
    const list = document.createElement("div");
    list.className = "menu";
    list.setAttribute("role", "menu");
    title.appendChild(list);
    for (const name of menu.items) {
      const item = document.createElement("div");
      item.dataset.kind = "menu";
      item.dataset.name = name;
      if (menu.separators.includes(name)) {
        item.className = "menusep";
        item.setAttribute("role", "separator");
      } else {
        item.className = "menuitem";
        item.setAttribute("role", "menuitem");
        item.tabIndex = -1;
        item.innerHTML = '<span class="text"></span><span class="keys"></span>';
        if (menu.descriptions[name]) item.setAttribute("aria-description", menu.descriptions[name]);
        const keys = keysOf(name);
        if (keys.length) item.querySelector(".keys").textContent = keyText(keys[0]);
        item.addEventListener("click", (e) => {
          e.stopPropagation();
          if (item.getAttribute("aria-disabled") === "true") return;
          closeMenus();
          send("click", name);
        });
      }
      elements.set(name, item);
      list.appendChild(item);
    }
    title.addEventListener("click", (e) => {
      e.stopPropagation();
      const wasOpen = title.classList.contains("open");
      closeMenus();
      if (!wasOpen && title.getAttribute("aria-disabled") !== "true" && menu.items.length) title.classList.add("open");
    });
    title.addEventListener("mouseenter", () => {
      if (menubar.querySelector(".menutitle.open") && title.getAttribute("aria-disabled") !== "true" && menu.items.length) {
        closeMenus();
        title.classList.add("open");
      }
    });
    elements.set(menu.title, title);
    menubar.appendChild(title);
  };

  Module.pictureBuffer(0, planPicture.data.length).set(planPicture.data);
  Module.pictureBuffer(1, skyPicture.data.length).set(skyPicture.data);
  win = new Module.PageWindow(hooks, planPicture.width, planPicture.height,
                              skyPicture.width, skyPicture.height, shippedCatalogue);
  layout = JSON.parse(win.layout());
  windowEl.style.width = layout.width + "px";
  client.style.width = layout.width + "px";
  client.style.height = layout.height + "px";
  layout.menus.forEach(makeMenu);
  layout.controls.forEach(make);
  // Tab goes through the panels as they read, as on the desktop.
  layout.tabOrder.forEach((name, i) => { elements.get(name).tabIndex = i + 1; });
  elements.set(layout.windowName, windowEl);
  windowEl.dataset.kind = "caption";
  client.addEventListener("mousemove", () => send("mouseMove", layout.windowName));
  performance.mark("vantor:built");
  document.addEventListener("click", closeMenus);
  dialog.addEventListener("close", () => windowEl.focus());
  mirror();

  // ----- keys of the whole window ---------------------------------------------------------------
  document.addEventListener("keydown", (e) => {
    if (dialog.open) return;
    if (e.key === "Escape" && menubar.querySelector(".menutitle.open")) { closeMenus(); return; }
    const key = layout.keys.find((k) => k.code === e.code && k.ctrl === e.ctrlKey &&
                                         k.shift === e.shiftKey && !e.altKey && !e.metaKey);
    if (!key) return;
    e.preventDefault();
    const el = elements.get(key.control);
    if (el && el.getAttribute("aria-disabled") === "true") return;
    if (e.repeat && !key.repeats) return;
    send("click", key.control);
  });

  // ----- the user's own star catalogue ----------------------------------------------------------
  // Dropped or chosen, it becomes the "vantor.csv" beside the program, which the star commands
  // read before the shipped one; then it is loaded onto the ecliptic as that command does.
  const takeCatalogue = async (file) => {
    if (!file) return;
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      hooks.message("warning", "Vantor", "Cannot open " + file.name + ": " + error.message);
      return;
    }
    Module.FS.writeFile("/vantor.csv", bytes);
    send("click", layout.userCatalogueCommand);
  };
  windowEl.addEventListener("dragover", (e) => { e.preventDefault(); windowEl.classList.add("dragging"); });
  windowEl.addEventListener("dragleave", (e) => { if (e.target === windowEl || e.target.id === "dropzone") windowEl.classList.remove("dragging"); });
  windowEl.addEventListener("drop", (e) => {
    e.preventDefault();
    windowEl.classList.remove("dragging");
    takeCatalogue(e.dataTransfer.files[0]);
  });
  const chooser = document.getElementById("chooser");
  chooser.addEventListener("change", () => { takeCatalogue(chooser.files[0]); chooser.value = ""; });
  const open = document.createElement("div");
  open.className = "menuitem";
  open.setAttribute("role", "menuitem");
  open.id = "openCatalogue";
  open.innerHTML = '<span class="text">Open vantor.csv…</span><span class="keys"></span>';
  open.addEventListener("click", (e) => { e.stopPropagation(); closeMenus(); chooser.click(); });
  menubar.querySelector(".menu").prepend(open);

  // ----- the clock ------------------------------------------------------------------------------
  const tick = () => { win.tick(); mirror(); };
  timer = setInterval(tick, layout.tick);

  // The live window takes over: where the page holds no first frame, the benchmark's moment is
  // when this one is painted. Then the canvases are drawn, whole the first time.
  let drawn = null;
  const apart = offscreenPainting();
  vantorFirst.handOver(windowEl, apart && new Promise((resolve) => { drawn = resolve; }));
  const refit = () => {
    scale = vantorFirst.screenScale(vantorFirst.fit(windowEl));
    mirror();
  };
  const transparent = canvases.map((canvas) => canvas === date?.canvas);
  // A worker that fails cannot give its canvases back: new ones, with the same names for screen
  // readers, take their places and are drawn in the page from then on, whole the first time, so
  // the views come back as the window's logic holds them. Should that fail too, the first frame,
  // if still there, stays up with a message.
  const drawInPage = () => {
    try {
      canvases.forEach((canvas, i) => {
        canvases[i] = canvas.cloneNode(false);
        canvas.replaceWith(canvases[i]);
      });
      if (date) Object.assign(date, { canvas: canvases[date.index], shown: null, box: null });
      painter = inPagePainter(canvases, transparent);
      mirror();
      drawn();
    } catch (error) {
      painter = null;
      hooks.message("warning", "Vantor", "The views cannot be drawn in this browser (" + error.message +
                    "). The controls still work; reload the page to try again.");
    }
  };
  painter = apart ? apart(canvases, transparent, drawn, drawInPage, keepSpare) : inPagePainter(canvases, transparent);
  refit();
  addEventListener("resize", refit);
  if (!vantorFirst.painted) vantorFirst.whenPainted(windowEl);
  windowEl.dataset.liveAt = performance.now().toFixed(1);
  windowEl.dataset.ready = "true";
  return { Module, win, tick, mirror, elements, layout,
           stopClock: () => clearInterval(timer),
           startClock: () => { clearInterval(timer); timer = setInterval(tick, layout.tick); } };
})();
// Puts what changed into the canvases (`contexts`, by number): pixels into the views' rectangles,
// and the date's text, drawn anew by `drawDate` in the box last given. The same function runs
// in the page, or in a worker that the canvases are handed to.
function vantorPaint(contexts, frame, drawDate) {
  for (let i = 0, at = 0; i < frame.rects.length; i += 5) {
    const [canvas, left, top, width, height] = frame.rects.slice(i, i + 5);
    const pixels = frame.pixels.subarray(at, at += width * height * 4);
    contexts[canvas].putImageData(new ImageData(pixels, width, height), left, top);
  }
  const date = frame.date;
  if (date?.box) contexts.dateBox = date.box;
  if (date) drawDate(contexts[date.canvas], date.text, contexts.dateBox, date.scale);
}
// The views are opaque; the date is drawn on the window's white.
const contextOf = (canvas, transparent) => canvas.getContext("2d", { alpha: transparent });

// The canvases drawn in the page itself, where the browser cannot hand them to a worker.
function inPagePainter(canvases, transparent) {
  const contexts = canvases.map((canvas, i) => contextOf(canvas, transparent[i]));
  return (frame) => vantorPaint(contexts, frame, vantorFirst.drawDate);
}

// Where the browser can, the canvases are handed to a worker that draws them: its frames go to
// the screen without the page's, so a tick of the clock costs the page only its script, with
// no layout or paint of its own. The worker draws the date in the page's own font, which it
// loads from the page's style. Returns the painter's maker, or null where it cannot.
function offscreenPainting() {
  if (typeof Worker !== "function" || typeof OffscreenCanvas !== "function" ||
      !HTMLCanvasElement.prototype.transferControlToOffscreen) {
    return null;
  }
  return (canvases, transparent, drawn, failed, giveBack) => {
    const source = `"use strict";
const drawDate = ${vantorFirst.drawDate};
const contextOf = ${contextOf};
${vantorPaint}
let contexts = [];
let ready = null;
let first = true;
onmessage = ({ data }) => {
  if (data.canvases) {
    contexts = data.canvases.map((canvas, i) => contextOf(canvas, data.transparent[i]));
    // Without fonts of its own, the worker draws the date in the browser's sans-serif.
    ready = Promise.resolve().then(() => Promise.all(data.faces.map(({ family, src, weight }) => {
      const face = new FontFace(family, src, { weight });
      self.fonts.add(face);
      return face.load();
    }))).catch(() => {});
    return;
  }
  // Drawn in order, once the font is ready and a few milliseconds after the message came: the
  // page's task that sent it has ended by then, so the worker's drawing does not take the
  // processor from it (drawing at once made the page's message cost three times as much).
  waiting.push(data);
  if (waiting.length === 1) ready.then(() => setTimeout(draw, 4));
};
// A frame it cannot read is the worker's failure, which the page hears of.
onmessageerror = () => { throw new Error("a frame could not be read"); };
const waiting = [];
const draw = () => {
  for (const frame of waiting) vantorPaint(contexts, frame, drawDate);
  // The pixels' blocks go back to the page, to be filled again.
  const blocks = waiting.filter((frame) => frame.pixels).map((frame) => frame.pixels.buffer);
  if (blocks.length) postMessage({ blocks }, blocks);
  waiting.length = 0;
  // The first pictures are on the screen once the worker's next frame has begun.
  if (first) (self.requestAnimationFrame?.bind(self) ?? ((then) => setTimeout(then, 50)))(() => postMessage("drawn"));
  first = false;
};
`;
    const url = URL.createObjectURL(new Blob([source], { type: "text/javascript" }));
    let worker;
    try {
      worker = new Worker(url);
    } catch {
      // A browser that will not start it: the page draws them itself.
      drawn();
      return inPagePainter(canvases, transparent);
    } finally {
      URL.revokeObjectURL(url);
    }
    // A worker that fails once it holds the canvases (an error in its script or while drawing,
    // a message it cannot read) or has not drawn its first pictures within a few seconds of the
    // page being shown is given up, and the page draws the views itself (`failed`).
    let late = 0;
    let gaveUp = false;
    const giveUp = () => {
      if (gaveUp) return;
      gaveUp = true;
      clearTimeout(late);
      document.removeEventListener("visibilitychange", wait);
      worker.terminate();
      failed();
    };
    const wait = () => {
      clearTimeout(late);
      if (!document.hidden) late = setTimeout(giveUp, 5000);
    };
    document.addEventListener("visibilitychange", wait);
    wait();
    worker.onmessage = ({ data }) => {
      if (data.blocks) {
        giveBack(data.blocks);
        return;
      }
      clearTimeout(late);
      document.removeEventListener("visibilitychange", wait);
      drawn();
    };
    worker.onerror = worker.onmessageerror = giveUp;
    const faces = [...document.styleSheets].flatMap((sheet) => [...sheet.cssRules])
      .filter((rule) => rule instanceof CSSFontFaceRule)
      .map(({ style }) => ({ family: style.getPropertyValue("font-family").replace(/"/g, ""),
                             src: style.getPropertyValue("src"), weight: style.getPropertyValue("font-weight") }));
    const offscreen = canvases.map((canvas) => canvas.transferControlToOffscreen());
    worker.postMessage({ canvases: offscreen, transparent, faces }, offscreen);
    // The pixels' block is handed to the worker, not copied: the page makes a new one each time.
    return (frame) => worker.postMessage(frame, frame.pixels ? [frame.pixels.buffer] : []);
  };
}

vantorPage.catch((error) => {
  const ended = document.getElementById("ended");
  ended.textContent = "Vantor cannot run in this browser (" + error.message + "). It needs Chrome or Edge 91, " +
    "Firefox 89, Safari 16.4 or later.";
  ended.style.display = "flex";
  document.getElementById("window")?.remove();
});
