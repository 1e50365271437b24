// The browser edition's figures, in headless Chromium from file://: page load to the first
// painted window, the WebAssembly timer tick against the native one in the same run, and the
// main thread's busy time while the clock runs at 10 ticks a second.
//   node webbench.mjs PAGE REPLAY CATALOGUE SESSION WORKDIR
import { chromium } from "../../tests/web/node_modules/playwright-core/index.mjs";
import { execFileSync } from "node:child_process";
import { mkdirSync, readFileSync, statSync } from "node:fs";
import { loadavg } from "node:os";

const [pagePath, replay, catalogue, sessionFile, work] = process.argv.slice(2);
const args = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync"];
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
// The tick: warmed up until the browser has compiled the hot WebAssembly again, optimised, in
// the background (a few thousand ticks on a busy machine), then ten rounds of `ticks`.
const warmTicks = 20000;
const ticks = 1000;
const load = () => loadavg().map((l) => l.toFixed(2)).join(" ");
mkdirSync(work, { recursive: true });

const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args });
const open = async () => {
  const page = await browser.newPage({ viewport: { width: 640, height: 560 } });
  await page.goto("file://" + pagePath);
  await page.waitForSelector("#window[data-ready=true][data-painted-at]");
  // The first frame stands over the live window until the live window's canvases are drawn.
  await page.waitForFunction(() => document.querySelectorAll("#window").length === 1);
  return page;
};
// The session through the window's own calls (clicks and keys by the controls they reach).
const playSession = (page) => page.evaluate((lines) => vantorPage.then((p) => {
  p.stopClock();
  for (const line of lines) {
    const [verb, what] = line.trim().split(/\s+/);
    if (verb === "click") p.win.click(what);
    else if (verb === "dblclick") p.win.doubleClick(what);
    else if (verb === "key") p.win.click(p.layout.keys.find((k) => k.chord === what).control);
    else if (verb === "tick") for (let i = 0; i < Number(what); i++) p.win.tick();
  }
  p.mirror();
}), readFileSync(sessionFile, "utf8").split("\n").filter((l) => l.trim() && !l.startsWith("#")));

console.log(`load average at the start: ${load()}`);
console.log(`page size: ${statSync(pagePath).size} bytes`);

// The window is first painted from the first frame the page holds; "live" is when the logic has
// taken it over and answers the user.
const loads = [];
const lives = [];
for (let i = 0; i < 7; i++) {
  const page = await open();
  loads.push(Number(await page.locator("#window").getAttribute("data-painted-at")));
  lives.push(Number(await page.locator("#window").getAttribute("data-live-at")));
  await page.close();
}
console.log(`page load to first painted window: median ${median(loads)} ms of ${loads.length} loads (${loads.join(", ")}); ` +
  `live: median ${median(lives)} ms (${lives.join(", ")})`);

const rounds = [];
for (let round = 0; round < 5; round++) {
  const page = await open();
  await playSession(page);
  const wasm = await page.evaluate(([warm, n]) => vantorPage.then((p) => {
    p.win.click("FrunBut");
    for (let i = 0; i < warm; i++) p.win.tick();
    const times = [];
    for (let r = 0; r < 10; r++) {
      const start = performance.now();
      for (let i = 0; i < n; i++) p.win.tick();
      times.push((performance.now() - start) * 1000 / n);
    }
    times.sort((a, b) => a - b);
    return { median: times[5], fastest: times[0] };
  }), [warmTicks, ticks]);
  await page.close();
  const [, median, fastest] = execFileSync(replay, ["--ticks", String(ticks), sessionFile, catalogue, work])
    .toString().match(/median ([\d.]+) us, fastest ([\d.]+) us/).map(Number);
  rounds.push({ wasm, native: { median, fastest } });
}
const ratios = rounds.map((r) => r.wasm.median / r.native.median);
console.log(`timer tick, clock running after the session, ${warmTicks} ticks to warm up, then ten rounds of ${ticks} ` +
  "(median round / fastest round): " + rounds.map((r) =>
  `wasm ${r.wasm.median.toFixed(2)} / ${r.wasm.fastest.toFixed(2)} us, native ${r.native.median.toFixed(2)} / ${r.native.fastest.toFixed(2)} us`).join("; ") +
  `; median of the ratios of the medians ${median(ratios).toFixed(2)}; fastest against fastest ` +
  `${(Math.min(...rounds.map((r) => r.wasm.fastest)) / Math.min(...rounds.map((r) => r.native.fastest))).toFixed(2)}`);

{
  const page = await open();
  await playSession(page);
  await page.evaluate(() => vantorPage.then((p) => { p.win.click("FrunBut"); p.mirror(); p.startClock(); }));
  const cdp = await page.context().newCDPSession(page);
  await cdp.send("Performance.enable");
  // TaskDuration: the wall time of the main thread's tasks; ThreadTime: its processor time,
  // which other programs on a busy machine do not stretch.
  const metrics = async () => Object.fromEntries((await cdp.send("Performance.getMetrics")).metrics
    .map((m) => [m.name, m.value]));
  await page.waitForTimeout(1000);
  const seconds = 10;
  const before = await metrics();
  const t0 = Date.now();
  await page.waitForTimeout(seconds * 1000);
  const after = await metrics();
  const wall = (Date.now() - t0) / 1000;
  const share = (name) => (100 * (after[name] - before[name]) / wall).toFixed(2);
  const date = await page.locator('[data-name="tLab"]').getAttribute("aria-label");
  console.log(`main thread while the clock runs at 10 ticks/s: ${share("TaskDuration")} % of ${wall.toFixed(1)} s ` +
    `(processor time ${share("ThreadTime")} %; script ${share("ScriptDuration")} %, style ` +
    `${share("RecalcStyleDuration")} %, layout ${share("LayoutDuration")} %; date now ${date})`);
  await page.close();
}
console.log(`load average at the end: ${load()}`);
await browser.close();
