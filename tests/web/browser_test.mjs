// The browser tests: the real page in the system's Chromium, headless, from file://. They play
// session.txt with the mouse at the laid-out places and with the keys, and compare the bitmaps
// the page downloads with those the native logic writes for the same session (vantor_replay);
// then a damaged and a good catalogue, the clock, the About box, the accessible names, the
// enlargement, and that nothing went to the network.
//   node browser_test.mjs PAGE REPLAY CATALOGUE WORKDIR
import { chromium } from "playwright-core";
import { execFileSync } from "node:child_process";
import { mkdirSync, readFileSync, rmSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const [pagePath, replay, catalogue, work] = process.argv.slice(2);
const here = dirname(fileURLToPath(import.meta.url));
const sessionFile = join(here, "session.txt");
export const chromiumArgs = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
  "--no-first-run", "--disable-background-networking", "--disable-component-update", "--disable-sync"];

let failures = 0;
const check = (ok, what) => {
  console.log((ok ? "ok   " : "FAIL ") + what);
  if (!ok) failures++;
};

rmSync(work, { recursive: true, force: true });
mkdirSync(join(work, "native"), { recursive: true });
mkdirSync(join(work, "browser"), { recursive: true });

const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: chromiumArgs });
const context = await browser.newContext({ viewport: { width: 640, height: 560 }, acceptDownloads: true });
const network = [];
context.on("request", (r) => { if (!/^(file|data|blob):/.test(r.url())) network.push(r.url()); });
const page = await context.newPage();
const errors = [];
page.on("pageerror", (e) => errors.push(e.message));
const downloads = [];
page.on("download", (d) => downloads.push(d.saveAs(join(work, "browser", d.suggestedFilename()))));

// The live window is shown once the logic is ready and the first frame standing over it is gone.
const whenShown = async (p) => {
  await p.waitForSelector("#window[data-ready=true]");
  await p.waitForFunction(() => document.querySelectorAll("#window").length === 1);
};
await page.goto("file://" + pagePath);
await whenShown(page);
await page.evaluate(() => vantorPage.then((p) => p.stopClock()));
const layout = await page.evaluate(() => vantorPage.then((p) => p.layout));
const client = await page.locator("#client").boundingBox();
const windowTop = (await page.locator("#window").boundingBox()).y;
// The desktop's menu bar is 19 pixels high, its client area right below it.
check(client.y - windowTop === 19, `the client area ${client.y - windowTop} pixels below the window's top, as on the desktop`);

// A control's rectangle on the page, from the layout table alone.
const places = new Map(layout.controls.map((c) => [c.name, c]));
const rectOf = (name) => {
  const place = places.get(name);
  const outer = place.container === "window" ? { x: client.x, y: client.y } : rectOf(place.container);
  return { x: outer.x + place.left, y: outer.y + place.top, width: place.width, height: place.height };
};
// The middle of a control; for a frame, a point on its own area just inside its left edge.
const pointOf = (name) => {
  const r = rectOf(name);
  return places.get(name).kind === "frame" ? { x: r.x + 3, y: r.y + r.height / 2 }
                                           : { x: r.x + r.width / 2, y: r.y + r.height / 2 };
};
const menuOf = (name) => layout.menus.find((m) => m.items.includes(name));
const playwrightKeys = (chord) => chord.replace("ctrl+", "Control+").replace("shift+", "Shift+");

const skyPixels = () => page.evaluate(() => vantorPage.then((p) => Array.from(p.win.pixels(1)).join()));
const dialogText = async () => (await page.locator("#message").evaluate((d) => d.open))
  ? page.locator("#message .text").textContent() : null;
const closeDialog = () => page.locator("#message button").click();

// ----- the session, and the bitmaps against the native logic's ----------------------------------
for (const line of readFileSync(sessionFile, "utf8").split("\n")) {
  const [verb, what] = line.trim().split(/\s+/);
  if (!verb || verb.startsWith("#")) continue;
  if (verb === "click" && menuOf(what)) {
    await page.locator(`.menutitle[data-name="${menuOf(what).title}"]`).click();
    await page.locator(`.menuitem[data-name="${what}"]`).click();
  } else if (verb === "click") {
    const p = pointOf(what);
    await page.mouse.click(p.x, p.y);
  } else if (verb === "dblclick") {
    const p = pointOf(what);
    await page.mouse.dblclick(p.x, p.y);
  } else if (verb === "key") {
    await page.keyboard.press(playwrightKeys(what));
  } else if (verb === "tick") {
    await page.evaluate((n) => vantorPage.then((p) => { for (let i = 0; i < n; i++) p.tick(); }), Number(what));
  }
}
await Promise.all(downloads);
execFileSync(replay, [sessionFile, catalogue, join(work, "native")]);
for (const name of ["mersave.bmp", "plansave.bmp"]) {
  let same = false;
  try {
    same = readFileSync(join(work, "browser", name)).equals(readFileSync(join(work, "native", name)));
  } catch { /* missing: not the same */ }
  check(same, `the session's ${name} is byte for byte the native logic's`);
}

// ----- the user's own catalogue: a damaged one chosen, a good one dropped ------------------------
const before = await skyPixels();
await page.setInputFiles("#chooser", { name: "vantor.csv", mimeType: "text/csv",
  buffer: Buffer.from("name,ra,dec,lon,lat,mag,note\nbroken line\nVega,x,y,z\n") });
await page.waitForSelector("#message[open]");
const damaged = await dialogText();
await closeDialog();
check(/left out/.test(damaged ?? "") && (await skyPixels()) === before,
      `a damaged catalogue gives a message ("${damaged}") and leaves the sky view as it was`);

const good = "name,ra,dec,lon,lat,mag,note\nOne,1.1,2.2,12.5,7.5,-1.4,\nTwo,13.3,-4.4,203.5,-17.5,0.5,\n";
await page.evaluate((text) => {
  const transfer = new DataTransfer();
  transfer.items.add(new File([text], "vantor.csv", { type: "text/csv" }));
  document.getElementById("window").dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true }));
}, good);
// Reading the dropped file takes a moment: wait until the view changes or a message shows.
for (let waited = 0; waited < 5000 && (await skyPixels()) === before && !(await dialogText()); waited += 100) {
  await page.waitForTimeout(100);
}
const dropped = await dialogText();
check(dropped === null && (await skyPixels()) !== before,
      `a good catalogue dropped on the window is plotted without a message${dropped ? " (" + dropped + ")" : ""}`);

// ----- the clock runs by itself at its interval ---------------------------------------------------
const date = page.locator('[data-name="tLab"]');
const startDate = await date.getAttribute("aria-label");
await page.evaluate(() => vantorPage.then((p) => p.startClock()));
let p = pointOf("FrunBut");
await page.mouse.click(p.x, p.y);
await page.waitForTimeout(1000);
p = pointOf("stopBut");
await page.mouse.click(p.x, p.y);
const ranTo = await date.getAttribute("aria-label");
await page.waitForTimeout(300);
check(ranTo !== startDate && (await date.getAttribute("aria-label")) === ranTo,
      `the clock runs on its own (${startDate} to ${ranTo}) and stops`);

// ----- the About box, from its key ----------------------------------------------------------------
await page.keyboard.press("F1");
const about = await dialogText();
check(/^Version /.test(about ?? "") && await page.locator("#message .credits").isVisible(),
      "F1 opens the About box with the font's credit");
await closeDialog();

// ----- the arrows on an option button move the focus, not the choice, as on the desktop ----------
const chosen = () => page.evaluate(() => [...document.querySelectorAll('.option[aria-checked="true"]')]
  .map((el) => el.dataset.name).join());
const choiceBefore = await chosen();
await page.locator('[data-name="dtOpt(1)"]').focus();
await page.keyboard.press("ArrowRight");
const focusedRight = await page.evaluate(() => document.activeElement.dataset.name);
await page.keyboard.press("ArrowUp");
await page.keyboard.press("ArrowUp");
const focusedUp = await page.evaluate(() => document.activeElement.dataset.name);
check(focusedRight === "dtOpt(2)" && focusedUp === "dtOpt(0)" && (await chosen()) === choiceBefore,
      `the arrows move the focus along the step sizes (to ${focusedRight}, back to ${focusedUp}) and leave the choice`);

// ----- each check box's and option button's mark where the desktop paints it ---------------------
const misplaced = await page.evaluate((controls) => controls.filter((c) => c.markSize).filter((c) => {
  const el = document.querySelector(`[data-name="${c.name}"]`);
  if (!el.getClientRects().length) return false;
  const outer = el.getBoundingClientRect();
  const mark = el.firstChild.getBoundingClientRect();
  return mark.top - outer.top !== c.markTop || mark.left !== outer.left || mark.height !== c.markSize;
}).map((c) => c.name), layout.controls);
check(misplaced.length === 0, `every check box and option mark at its laid-out place${misplaced.length ? ": not " + misplaced : ""}`);

// ----- the names a screen reader gets -------------------------------------------------------------
const cdp = await context.newCDPSession(page);
const { nodes } = await cdp.send("Accessibility.getFullAXTree");
const named = new Set(nodes.map((n) => n.name?.value).filter(Boolean));
const shownNames = await page.evaluate(() => [...document.querySelectorAll("#client .control")]
  .filter((el) => el.checkVisibility()).map((el) => el.dataset.name));
const missing = layout.controls.filter((c) => c.accessibleName && shownNames.includes(c.name) &&
                                             !named.has(c.accessibleName)).map((c) => c.name);
// The date, drawn into its canvas, keeps its text as its name.
const shownDate = await date.getAttribute("aria-label");
if (!/\d/.test(shownDate ?? "") || !named.has(shownDate)) missing.push(`tLab (${shownDate})`);
check(missing.length === 0, `every control's accessible name, and the date's, is in the accessibility tree${missing.length ? ": missing " + missing : ""}`);

// ----- a larger browser window enlarges the window by a whole factor ------------------------------
await page.setViewportSize({ width: 1280, height: 1100 });
await page.waitForFunction((w) => document.getElementById("window").getBoundingClientRect().width > w,
                           layout.width, { timeout: 3000 }).catch(() => {});
const shown = await page.locator("#window").boundingBox();
const rendering = await page.locator('[data-name="mercator"] canvas').evaluate((c) => getComputedStyle(c).imageRendering);
check(shown.width === 2 * layout.width && rendering === "pixelated",
      `enlarged to ${shown.width / layout.width} times, pixelated`);

// ----- the first frame: painted before the logic is ready, as the live window then shows it -------
// The WebAssembly held back until the test lets it go: the page shows only its first frame. In
// German, whose month names the frame, made in English, takes from the browser, and enlarged.
const german = await browser.newContext({ viewport: { width: 1280, height: 1100 }, locale: "de-DE" });
const heldPage = async () => {
  const held = await german.newPage();
  held.on("pageerror", (e) => errors.push(e.message));
  await held.addInitScript(() => {
    const compile = WebAssembly.compile;
    const released = new Promise((resolve) => { window.releaseModule = resolve; });
    WebAssembly.compile = (bytes) => released.then(() => compile.call(WebAssembly, bytes));
  });
  await held.goto("file://" + pagePath);
  await held.waitForSelector("#window[data-painted-at]");
  return held;
};
const held = await heldPage();
const firstFrame = await held.screenshot();
await held.locator('[data-name="superChk"]').click();
await held.keyboard.press("F1");
const readyBefore = await held.evaluate(() => typeof vantorPage === "object" && document.getElementById("window").dataset.ready);
await held.evaluate(() => window.releaseModule());
await held.waitForSelector("#window[data-ready=true]");
const kept = await held.evaluate(() => [document.querySelector('[data-name="superChk"]').getAttribute("aria-checked"),
                                        document.getElementById("message").open]);
check(readyBefore === undefined && kept[0] === "true" && kept[1],
      "a click and a key on the first frame act once the logic is ready");
await held.close();
// A browser that cannot run the WebAssembly says so instead of showing a window that never answers.
const unable = await german.newPage();
await unable.addInitScript(() => { WebAssembly.compile = () => Promise.reject(new Error("no WebAssembly here")); });
await unable.goto("file://" + pagePath);
await unable.waitForSelector("#ended", { state: "visible", timeout: 5000 }).catch(() => {});
check(/cannot run/.test(await unable.locator("#ended").textContent()) && !(await unable.locator("#window").count()),
      "a browser that cannot run the logic gets a message in place of the window");
await unable.close();
// The live window's canvases drawn apart from the page, and, as in a browser that cannot hand
// them over, in the page; `then` goes on with the page before it is closed.
const liveShot = async (init, then) => {
  const live = await german.newPage();
  if (init) await live.addInitScript(init);
  await live.goto("file://" + pagePath);
  await whenShown(live);
  await live.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  const shot = [await live.screenshot(), await live.locator('[data-name="tLab"]').getAttribute("aria-label"),
                then && await then(live)];
  await live.close();
  return shot;
};
const [apart, germanDate] = await liveShot(null);
const [inPage] = await liveShot(() => { delete HTMLCanvasElement.prototype.transferControlToOffscreen; });
check(firstFrame.equals(apart) && firstFrame.equals(inPage),
      `the first frame is pixel for pixel the live window (${germanDate}), its canvases drawn apart from the page and in it`);
// A drawing worker that fails once it holds the canvases (here its script throws): the page puts
// new canvases in their places and draws the views itself, as they stand and at every step.
const [recovered, , stepped] = await liveShot(() => {
  const Real = Worker;
  window.Worker = class extends Real {
    constructor() { super(URL.createObjectURL(new Blob(["throw new Error('no drawing')"], { type: "text/javascript" }))); }
  };
}, async (live) => {
  await live.keyboard.press("Control+ArrowRight");
  return live.evaluate(() => vantorPage.then((p) => ({
    date: document.querySelector('[data-name="tLab"]').getAttribute("aria-label"),
    followed: p.layout.controls.filter((c) => c.kind === "surface").every((c) => {
      const canvas = document.querySelector(`[data-name="${c.name}"] canvas`);
      const logic = p.win.pixels(c.surface);
      try {
        const drawn = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
        return drawn.length === logic.length && drawn.every((byte, i) => byte === logic[i]);
      } catch {
        return false;   // still the worker's: the page cannot read it
      }
    }),
  })));
});
check(recovered.equals(firstFrame) && stepped.date !== germanDate && stepped.followed,
      `a failed drawing worker: the views come back drawn in the page and follow a step (to ${stepped.date})`);

check(errors.length === 0, "no script errors" + (errors.length ? ": " + errors.join("; ") : ""));
check(network.length === 0, "no network request" + (network.length ? ": " + network.join(", ") : ""));
await browser.close();
process.exit(failures ? 1 : 0);
