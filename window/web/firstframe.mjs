// Puts the window's first frame into the page: opens the page as made by makepage.py in headless
// Chromium, lets the page binding build the window and the logic draw it, and writes the window's
// elements as they then stand into the page, each view's canvas as a picture of its pixels. The
// browser then paints the whole window as soon as it reads it; the live window, built by the same
// binding from the same logic, takes its place when the WebAssembly is ready.
//   node firstframe.mjs PAGE_WITHOUT_FRAME PAGE
import { chromium } from "../../tests/web/node_modules/playwright-core/index.mjs";
import { readFileSync, renameSync, writeFileSync } from "node:fs";

const [input, output] = process.argv.slice(2);
const marker = "<!--first frame-->";
const text = readFileSync(input, "utf8");
if (!text.includes(marker)) {
  console.error(`firstframe: ${input} has no ${marker}`);
  process.exit(1);
}

const browser = await chromium.launch({ executablePath: "/usr/bin/chromium",
  args: ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking"] });
try {
  // English, the language the frame's month name is made in (the page puts the reader's own in).
  const context = await browser.newContext({ viewport: { width: 640, height: 560 }, locale: "en-US" });
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  await page.goto("file://" + input);
  await page.waitForSelector("#window[data-ready=true]");
  const frame = await page.evaluate(() => vantorPage.then((p) => {
    p.stopClock();
    const live = document.getElementById("window");
    const copy = live.cloneNode(true);
    copy.style.removeProperty("transform");
    for (const key of ["ready", "liveAt", "paintedAt"]) delete copy.dataset[key];
    copy.dataset.language = navigator.language;
    copy.dataset.width = live.offsetWidth;
    copy.dataset.keys = JSON.stringify(p.layout.keys.map((k) => [k.code, k.ctrl, k.shift]));
    copy.dataset.height = live.offsetHeight;
    // Each view as a picture of the pixels the logic shows in its canvas.
    for (const view of copy.querySelectorAll(".surface")) {
      const canvas = view.querySelector("canvas");
      const surface = p.layout.controls.find((c) => c.name === view.dataset.name).surface;
      const plain = document.createElement("canvas");
      plain.width = canvas.width;
      plain.height = canvas.height;
      plain.getContext("2d").putImageData(new ImageData(new Uint8ClampedArray(p.win.pixels(surface)),
                                                        canvas.width, canvas.height), 0, 0);
      const img = document.createElement("img");
      for (const { name, value } of canvas.attributes) img.setAttribute(name, value);
      img.src = plain.toDataURL("image/png");
      canvas.replaceWith(img);
    }
    // Where the date's month name starts, for a reader whose language names it otherwise.
    const date = copy.querySelector(".label.date");
    const english = new Intl.DateTimeFormat("en-US", { month: "long" });
    for (let month = 1; month <= 12; month++) {
      const name = english.format(new Date(2001, month - 1, 15));
      if (date.getAttribute("aria-label").startsWith(name + " ")) {
        date.dataset.month = month;
        date.dataset.monthName = name;
      }
    }
    return { html: copy.outerHTML, title: document.title };
  }));
  if (errors.length) throw new Error(errors.join("; "));
  // The page stays ASCII alone, which the browser reads fastest.
  const ascii = (html) => html.replace(/[^\x00-\x7f]/g, (c) => `&#${c.codePointAt(0)};`);
  const escaped = (title) => ascii(title.replace(/&/g, "&amp;").replace(/</g, "&lt;"));
  writeFileSync(output + ".part", text.replace(marker, () => ascii(frame.html))
    .replace(/<title>[^<]*<\/title>/, () => `<title>${escaped(frame.title)}</title>`));
  renameSync(output + ".part", output);
} finally {
  await browser.close();
}
