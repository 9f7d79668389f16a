// The page as a player reaches it: the game's view as the core gives it, the
// window's controls by their places, and points of the window on the screen.
import { openSite } from './browser.mjs';

// The built site in a fresh browser context with `options` (viewport, touch,
// locale, colour scheme); the game has started and drawn its window.
export async function openGame(options = {}) {
  const site = await openSite('', options);
  await site.page.waitForFunction(() => window.zandiroView);
  return site;
}

// The game as the page reads it from the core (web/view.cpp).
export function view(page) {
  return page.evaluate(() => window.zandiroView());
}

// A point of the main window, in its own pixels, as a point of the screen.
export async function screenPoint(page, x, y) {
  const box = await page.locator('#zandiro').boundingBox();
  const scale = box.width / (await view(page)).main.width;
  return { x: box.x + x * scale, y: box.y + y * scale };
}

// The middle of the control that stands for a place ("button-1", "die-3",
// "category-9"), in the window's pixels as drawn, from the core's own layout:
// a window read right to left is drawn from its right edge.
export async function middleOf(page, place) {
  const { dir, main } = await view(page);
  const c = main.controls.find((control) => control.place === place);
  const fromStart = c.inlineStart + c.width / 2;
  return { x: dir === 'rtl' ? main.width - fromStart : fromStart, y: c.top + c.height / 2 };
}

export async function click(page, place, { tap = false } = {}) {
  const middle = await middleOf(page, place);
  const point = await screenPoint(page, middle.x, middle.y);
  if (tap) await page.touchscreen.tap(point.x, point.y);
  else await page.mouse.click(point.x, point.y);
}

// The faces the dice show, as a screen reader hears them.
export async function faces(page) {
  const names = await page.$$eval('[role=checkbox]', (dice) => dice.map((d) => d.ariaLabel));
  return names.map((name) => Number(name.split(': ')[1]));
}

export function said(page) {
  return page.locator('#said').textContent();
}

// The last number of a caption: "Total:  78" gives 78.
export function numberIn(caption) {
  return Number(caption.trim().split(/\s+/).pop());
}
