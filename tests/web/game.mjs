// The page as a player reaches it, in any engine: the game's view as the core
// gives it, the window's controls by their places, points of the window on
// the screen, and what the page shows.
import { openSite } from './browser.mjs';

// Polls `script` in the page until it returns something true.
export async function waitFor(site, script) {
  const deadline = Date.now() + 10000;
  while (!(await site.evaluate(script))) {
    if (Date.now() > deadline) throw new Error(`timed out waiting for ${script}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// The built site in a fresh browser with `options` (see openSite); the game
// has started and drawn its window.
export async function openGame(options = {}) {
  const site = await openSite('', options);
  await waitFor(site, () => window.zandiroView !== undefined);
  return site;
}

// Runs `body` on a fresh game (see openGame), which must leave no error in
// the page, and closes it.
export async function withGame(options, body) {
  const site = await openGame(options);
  try {
    await body(site);
    const errors = await site.errors();
    if (errors.length > 0) throw new Error(`errors in the page: ${errors.join('; ')}`);
  } finally {
    await site.close();
  }
}

// The game as the page reads it from the core (web/view.cpp).
export function view(site) {
  return site.evaluate(() => window.zandiroView());
}

// A control of the main window, by its place ("button-1", "die-3",
// "category-9") or its name in the layout ("lwscores").
export function control(view, which) {
  return view.main.controls.find((c) => c.place === which || c.control === which);
}

export const text = (site, selector) => site.evaluate((s) => document.querySelector(s).textContent, selector);
export const attribute = (site, selector, name) =>
  site.evaluate(([s, n]) => document.querySelector(s).getAttribute(n), [selector, name]);
export const shown = (site, selector) => site.evaluate((s) => document.querySelector(s).checkVisibility(), selector);

// An element's box in the page: [left, top, width, height].
export const box = (site, selector) => site.evaluate((s) => {
  const { left, top, width, height } = document.querySelector(s).getBoundingClientRect();
  return [left, top, width, height];
}, selector);

// A click in the middle of a page element (a dialog's button).
export async function clickElement(site, selector) {
  const [left, top, width, height] = await box(site, selector);
  await site.click(left + width / 2, top + height / 2);
}

// A point of the main window, in its own pixels as drawn, as a point of the page.
export async function screenPoint(site, x, y) {
  const [left, top, width] = await box(site, '#zandiro');
  const scale = width / (await view(site)).main.width;
  return { x: left + x * scale, y: top + y * scale };
}

// The middle of a control (see control()), where the page draws it: a window
// read right to left is drawn from its right edge.
export async function middleOf(site, which) {
  const { dir, main } = await view(site);
  const c = control({ main }, which);
  const fromStart = c.inlineStart + c.width / 2;
  return screenPoint(site, dir === 'rtl' ? main.width - fromStart : fromStart, c.top + c.height / 2);
}

export async function click(site, which, { tap = false, double = false } = {}) {
  const { x, y } = await middleOf(site, which);
  if (tap) await site.tap(x, y);
  else if (double) await site.doubleClick(x, y);
  else await site.click(x, y);
}

// The faces the dice show, as a screen reader hears them.
export async function faces(site) {
  const names = await site.evaluate(() => [...document.querySelectorAll('[role=checkbox]')].map((d) => d.ariaLabel));
  return names.map((name) => Number(name.split(': ')[1]));
}

export const said = (site) => text(site, '#said');

// The last number of a caption: "Total:  78" gives 78.
export function numberIn(caption) {
  return Number(caption.trim().split(/\s+/).pop());
}
