// What only the page can get wrong: where it draws the controls, the code
// window and its close box, the reveal box, Exit, the player's language, a
// dark scheme, and what it keeps and fetches.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import { click, faces, openGame, screenPoint, view } from './game.mjs';

async function withGame(options, body) {
  const site = await openGame(options);
  try {
    await body(site.page, site);
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
  }
}

const box = (element) => element.evaluate((e) => {
  const outer = e.closest('.window').getBoundingClientRect();
  const inner = e.getBoundingClientRect();
  return [inner.left - outer.left, inner.top - outer.top, inner.width, inner.height];
});

test('the controls stand where the game puts them, in the game\'s colours', { timeout: 60000 }, () =>
  withGame({}, async (page) => {
    const window = await page.locator('#zandiro').boundingBox();
    assert.deepEqual([window.width, window.height], [396, 355]);
    const controls = (await view(page)).main.controls;
    const elements = await page.locator('#zandiro .controls > *').all();
    for (const c of controls.filter((x) => x.visible)) {
      const drawn = await box(elements[c.id]);
      const expected = [c.left, c.top, c.width, c.height];
      assert.deepEqual(c.autosize ? drawn.slice(0, 2) : drawn, c.autosize ? expected.slice(0, 2) : expected,
                       `${c.control} ${c.index}`);
      const style = await elements[c.id].evaluate((e) => getComputedStyle(e).backgroundColor);
      if (c.background) assert.equal(style, rgb(c.background), `${c.control} ${c.index}`);
    }
    assert.equal(await page.locator('#zandiro').evaluate((e) => getComputedStyle(e).backgroundColor),
                 'rgb(255, 255, 0)');
  }));

const rgb = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;

const doubleClickAt = async (page, x, y) => {
  const point = await screenPoint(page, x, y);
  await page.mouse.dblclick(point.x, point.y);
};

test('a double-click on the window opens the code window; its codes and close box', { timeout: 60000 }, () =>
  withGame({}, async (page) => {
    await doubleClickAt(page, 150, 20); // a heading takes its own clicks
    assert.equal(await page.locator('#code').isVisible(), false);
    await doubleClickAt(page, 390, 340);
    assert.equal(await page.locator('#zandiro').isVisible(), false);
    assert.equal(await page.locator('#code-title').textContent(), '0 steps are done.');
    for (const key of ['k', ';', '/', 'Shift', 'Insert', 'End']) await page.keyboard.press(key);
    assert.equal(await page.locator('#code').isVisible(), false);
    for (let roll = 0; roll < 4; ++roll) await click(page, 'button-1');
    assert.equal((await view(page)).main.controls.find((c) => c.control === 'press').enabled, true,
                 'unlimited rolls');
    await doubleClickAt(page, 294, 38); // a drawn die
    await page.keyboard.press('k');
    assert.equal(await page.locator('#code-title').textContent(), ' 1 steps are done.');
    await page.locator('#code-close').click();
    assert.equal(await page.locator('#zandiro').isVisible(), true);
    assert.equal(await page.locator('#code').isVisible(), false);
  }));

test('the reveal label\'s box, then a game to its end and Exit; nothing kept or fetched from elsewhere',
     { timeout: 90000 }, () => withGame({}, async (page, site) => {
    const others = [];
    page.on('request', (request) => request.url().startsWith(site.server.url) || others.push(request.url()));
    const label1 = await screenPoint(page, 36, 336);
    await page.mouse.click(label1.x, label1.y);
    assert.match(await page.locator('#message-text').textContent(), /^Code is: k, ;/);
    await page.keyboard.press('Enter');
    for (let c = 1; c <= 13; ++c) {
      await click(page, 'button-1');
      await click(page, `category-${c}`);
    }
    await page.locator('#message-ok').click();
    await click(page, 'button-3');
    assert.equal(await page.locator('#ended').isVisible(), true);
    assert.equal(await page.locator('#frame').isVisible(), false);
    const before = site.server.requests.length;
    await page.keyboard.press('r');
    assert.equal(site.server.requests.length, before);
    assert.deepEqual(others, []);
    assert.deepEqual(await page.context().cookies(), []);
    assert.deepEqual(await page.evaluate(async () => [
      localStorage.length, sessionStorage.length, (await indexedDB.databases()).length]), [0, 0, 0]);
    const kept = await page.evaluate(async () => (await navigator.serviceWorker.ready) && (await Promise.all(
      (await caches.keys()).map(async (name) => (await caches.open(name)).keys()))).flat().map((r) => r.url));
    assert.ok(kept.every((url) => site.server.requests.includes(url.replace(site.server.url, '/'))), kept.join(' '));
    let transferred = 0;
    for (const request of new Set(site.server.requests)) {
      const file = request === '/' ? 'index.html' : request.slice(1);
      transferred += gzipSync(await readFile(`${process.env.ZANDIRO_SITE}/${file}`), { level: 9 }).length;
    }
    assert.ok(transferred <= 100 * 1024, `a first visit transfers ${transferred} bytes after gzip -9`);
    const policy = await page.locator('meta[http-equiv=Content-Security-Policy]').getAttribute('content');
    assert.match(policy, /script-src 'self' 'wasm-unsafe-eval';/);
    assert.doesNotMatch(policy, /unsafe-inline/);
  }));

// A translation's text, as its catalogue gives it.
async function translation(language, english) {
  const po = await readFile(new URL(`../../po/${language}.po`, import.meta.url), 'utf8');
  return po.match(new RegExp(`\nmsgid "${english}"\nmsgstr "([^"]*)"`))[1];
}

test('German from the browser\'s preferred languages', { timeout: 60000 }, () =>
  withGame({ locale: 'de-DE' }, async (page) => {
    assert.equal(await page.locator('html').getAttribute('lang'), 'de');
    assert.equal(await page.locator('#button-1').textContent(), await translation('de', 'Roll'));
    const label1 = await screenPoint(page, 36, 336);
    await page.mouse.click(label1.x, label1.y);
    assert.equal(await page.locator('#message-ok').textContent(), await translation('de', 'OK'));
  }));

test('under a dark scheme captions take its text colour where it reads, and the dice its colours',
     { timeout: 60000 }, () => withGame({ colorScheme: 'dark' }, async (page) => {
    const controls = (await view(page)).main.controls;
    const elements = await page.locator('#zandiro .controls > *').all();
    const colour = (name) => elements[controls.find((c) => c.control === name).id]
      .evaluate((e) => getComputedStyle(e).color);
    // White reads on the lower heading's dark red, not on the upper one's green.
    assert.deepEqual([await colour('lwscores'), await colour('upscores')], ['rgb(255, 255, 255)', 'rgb(0, 0, 0)']);
    assert.notEqual(await page.locator('#die-1').evaluate((e) => getComputedStyle(e).backgroundColor),
                    'rgb(255, 255, 255)');
  }));

// Keys by their place on the keyboard, and Shift where it changed what the
// key typed: an English keyboard types "!" for Shift+1, a French one "&" for
// the same key and "1" for Shift+&.
test('a digit key holds its die where it types the digit, on any keyboard layout', { timeout: 60000 }, () =>
  withGame({}, async (page) => {
    await page.keyboard.press('r');
    const keys = [['Digit1', '1', false, true], ['Digit1', '!', true, false], ['Digit1', '&', false, false],
                  ['Digit1', '1', true, true], ['Numpad1', '1', false, true]];
    for (const [code, key, shiftKey, holds] of keys) {
      const before = await page.locator('#die-1').getAttribute('aria-checked');
      await page.locator('#zandiro').evaluate((e, init) => e.dispatchEvent(
        new KeyboardEvent('keydown', { ...init, bubbles: true, cancelable: true })), { code, key, shiftKey });
      const after = await page.locator('#die-1').getAttribute('aria-checked');
      assert.equal(after !== before, holds, `${code} "${key}"${shiftKey ? ' with Shift' : ''}`);
    }
    await page.keyboard.press('Shift+Tab'); // from Roll, the first place: out of the game
    assert.notEqual(await page.evaluate(() => document.activeElement.id), 'zandiro');
  }));

test('right to left: the window drawn mirrored, and presses handed back to the game\'s own places',
     { timeout: 60000 }, () => withGame({ locale: 'ar' }, async (page) => {
    assert.equal(await page.locator('html').getAttribute('dir'), 'rtl');
    assert.deepEqual(await box(page.locator('#button-1')), [396 - 280 - 97, 224, 97, 33]);
    await click(page, 'button-1');
    assert.ok((await faces(page)).every((face) => face >= 1), 'a press on the mirrored Roll rolls');
    await doubleClickAt(page, 396 - 390, 340);
    assert.equal(await page.locator('#code').isVisible(), true, 'the mirrored background opens the code window');
  }));
