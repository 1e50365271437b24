// Run as soon as the window's first frame is read, before the WebAssembly and the rest of the
// page: the page holds that frame as plain elements (made when the page was built, by the same
// binding from the same logic), so the browser paints the whole window at once. The user's
// clicks, keys and drops on it wait here until the window's logic has taken over, then go to it.
"use strict";

const vantorFirst = (() => {
  // The whole window enlarged by whole factors where the browser window is larger, in the middle
  // of it with its corner on a whole screen pixel, so that every pixel of the window and of its
  // canvases falls on whole screen pixels; the first frame knows its size, so the page is not
  // laid out for it before its font is ready.
  const fit = (windowEl) => {
    const width = Number(windowEl.dataset.width) || windowEl.offsetWidth;
    const height = Number(windowEl.dataset.height) || windowEl.offsetHeight;
    const factor = Math.max(1, Math.floor(Math.min(innerWidth / width, innerHeight / height)));
    const ratio = devicePixelRatio || 1;
    const corner = (room, size) => Math.max(0, Math.floor((room - size * factor) / 2 * ratio) / ratio);
    windowEl.style.transform = `translate(${corner(innerWidth, width)}px, ${corner(innerHeight, height)}px)` +
                               (factor > 1 ? ` scale(${factor})` : "");
    return factor;
  };
  // The date is text drawn into its canvas in the label's font and colour, centred in the label's
  // box as its laid-out line would be; the canvas has a pixel for each screen pixel at the
  // enlargement (`scale`), so the text stays as crisp as the window's other text.
  const drawDate = (context, text, { width, height, font, colour }, scale) => {
    const pixelWidth = Math.round(width * scale);
    const pixelHeight = Math.round(height * scale);
    if (context.canvas.width !== pixelWidth || context.canvas.height !== pixelHeight) {
      context.canvas.width = pixelWidth;
      context.canvas.height = pixelHeight;
    }
    context.setTransform(scale, 0, 0, scale, 0, 0);
    context.clearRect(0, 0, width, height);
    context.font = font;
    context.fillStyle = colour;
    const metrics = context.measureText(text);
    const ascent = Math.round(metrics.fontBoundingBoxAscent);
    const descent = Math.round(metrics.fontBoundingBoxDescent);
    context.fillText(text, (width - metrics.width) / 2, (height - ascent - descent) / 2 + ascent);
  };
  // The date's box, font and colour, from its canvas and its label as the page styles them.
  const dateBox = (canvas) => {
    const style = getComputedStyle(canvas.parentElement);
    return { width: Number(canvas.dataset.width), height: Number(canvas.dataset.height),
             font: `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`, colour: style.color };
  };
  const screenScale = (factor) => factor * (devicePixelRatio || 1);
  // When the window is on the screen with its text in its own font and its pictures decoded:
  // two frames after that, noted on the window for the benchmark.
  const whenPainted = (windowEl, ready = []) => {
    const pictures = [...windowEl.querySelectorAll("img")].filter((img) => img.getAttribute("src"));
    return Promise.all([document.fonts.ready, ...ready, ...pictures.map((img) => img.decode().catch(() => {}))])
      .then(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(() => {
        windowEl.dataset.paintedAt = performance.now().toFixed(1);
        resolve();
      }))));
  };

  const first = document.getElementById("window");
  // A page without the frame (while the page is being made): the window is simply put in.
  if (!first) {
    return { fit, drawDate, dateBox, screenScale, whenPainted, painted: null,
             handOver: (windowEl) => document.body.prepend(windowEl) };
  }

  // The frame was made with the English month names; in another language the date takes the
  // browser's name for its month before it is first shown, as the window's logic will.
  const date = first.querySelector("[data-month]");
  if (date && navigator.language !== first.dataset.language) {
    const month = new Intl.DateTimeFormat(undefined, { month: "long" })
      .format(new Date(2001, Number(date.dataset.month) - 1, 15));
    date.setAttribute("aria-label", month + date.getAttribute("aria-label").slice(date.dataset.monthName.length));
  }
  const dateCanvas = date?.querySelector("canvas");
  const showDate = (factor) => {
    if (dateCanvas) drawDate(dateCanvas.getContext("2d"), date.getAttribute("aria-label"), dateBox(dateCanvas), screenScale(factor));
  };
  const dateShown = dateCanvas ? document.fonts.load(dateBox(dateCanvas).font).catch(() => {}).then(() => showDate(fit(first)))
                               : null;
  fit(first);
  addEventListener("resize", () => { if (first.isConnected) showDate(fit(first)); });
  // Each view's picture goes into a canvas, as the live window shows it, so that the frame is
  // drawn the same way at every enlargement; the picture stands until its canvas is ready.
  const views = [...first.querySelectorAll(".surface img")].map((img) => img.decode().then(() => {
    const canvas = document.createElement("canvas");
    for (const { name, value } of img.attributes) if (name !== "src") canvas.setAttribute(name, value);
    canvas.width = img.naturalWidth;
    canvas.height = img.naturalHeight;
    canvas.getContext("2d", { alpha: false }).drawImage(img, 0, 0);
    img.replaceWith(canvas);
  }));

  // Until the logic takes over, a click, double-click, key or dropped file is kept, not acted on.
  const waiting = [];
  const windowKeys = JSON.parse(first.dataset.keys);
  let live = false;
  const nameOf = (target) => {
    const el = target instanceof Element ? target.closest("[data-name], [id]") : null;
    return el ? (el.dataset.name !== undefined ? { name: el.dataset.name } : { id: el.id }) : {};
  };
  const keep = (e) => {
    if (live || !first.contains(e.target) && e.type !== "keydown") return;
    e.stopImmediatePropagation();
    // A dropped file is the page's to read, not the browser's to open, and the window's keys are
    // the window's; the browser's other keys (Tab, reloading) keep working.
    if (e.type !== "keydown" || windowKeys.some(([code, ctrl, shift]) => code === e.code && ctrl === e.ctrlKey &&
                                                shift === e.shiftKey && !e.altKey && !e.metaKey)) {
      e.preventDefault();
    }
    if (e.type === "dragover") return;
    const kept = { type: e.type, ...nameOf(e.target), focus: nameOf(document.activeElement) };
    if (e.type === "drop") kept.file = e.dataTransfer.files[0];
    else if (e.type === "keydown") {
      for (const k of ["key", "code", "ctrlKey", "shiftKey", "altKey", "metaKey", "repeat"]) kept[k] = e[k];
    } else kept.detail = e.detail;
    waiting.push(kept);
  };
  for (const type of ["click", "dblclick", "keydown", "dragover", "drop"]) addEventListener(type, keep, true);

  // The live window takes the frame's place, and the focus where the frame had it; what the user
  // did meanwhile is then done on it, in order. Where the live window's canvases are drawn apart
  // from the page (`drawn`, when their first pictures are on the screen), the frame stays over it
  // until then, out of the way of the pointer and of screen readers.
  const handOver = (windowEl, drawn) => {
    const find = (k) => (k.name !== undefined ? windowEl.querySelector(`[data-name="${CSS.escape(k.name)}"]`)
                                              : k.id ? document.getElementById(k.id) : null);
    const focused = first.contains(document.activeElement) ? nameOf(document.activeElement) : null;
    if (drawn) {
      first.style.pointerEvents = "none";
      first.inert = true;
      first.setAttribute("aria-hidden", "true");
      first.before(windowEl);
      drawn.then(() => first.remove());
    } else {
      first.replaceWith(windowEl);
    }
    windowEl.dataset.paintedAt = first.dataset.paintedAt;
    windowEl.dataset.width = first.dataset.width;
    windowEl.dataset.height = first.dataset.height;
    live = true;
    if (focused) find(focused)?.focus();
    for (const k of waiting) {
      const focus = find(k.focus);
      if (focus && document.activeElement !== focus) focus.focus();
      const target = find(k) ?? (k.type === "keydown" ? document.activeElement : windowEl);
      if (k.type === "keydown") {
        const { type, name, id, focus: _, ...init } = k;
        target.dispatchEvent(new KeyboardEvent(type, { ...init, bubbles: true, cancelable: true }));
      } else if (k.type === "drop") {
        const transfer = new DataTransfer();
        if (k.file) transfer.items.add(k.file);
        target.dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
      } else {
        target.dispatchEvent(new MouseEvent(k.type, { detail: k.detail, bubbles: true, cancelable: true }));
      }
    }
    waiting.length = 0;
  };
  return { fit, drawDate, dateBox, screenScale, whenPainted, painted: whenPainted(first, [...views, dateShown]), handOver };
})();
