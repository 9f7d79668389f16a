// What only the page can get wrong: where it draws the controls, the code
// window and its close box, the reveal box, Exit, the player's language, a
// dark scheme, and what it keeps and fetches.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import { attribute, box, click, clickElement, control, faces, withGame, screenPoint, shown, text, view }
  from './game.mjs';

// Each control's element as drawn: its box in the window and its colours.
const drawnControls = (site) => site.evaluate(() => [...document.querySelectorAll('#zandiro .controls > *')]
  .map((e) => {
    const outer = e.closest('.window').getBoundingClientRect();
    const inner = e.getBoundingClientRect();
    const { color, backgroundColor } = getComputedStyle(e);
    return { box: [inner.left - outer.left, inner.top - outer.top, inner.width, inner.height], color, backgroundColor };
  }));

test('the controls stand where the game puts them, in the game\'s colours', { timeout: 60000 }, () =>
  withGame({}, async (site) => {
    const { main } = await view(site);
    assert.deepEqual((await box(site, '#zandiro')).slice(2), [main.width, main.height]);
    const drawn = await drawnControls(site);
    for (const c of main.controls.filter((x) => x.visible)) {
      const expected = [c.left, c.top, c.width, c.height];
      const { box: at, backgroundColor } = drawn[c.id];
      assert.deepEqual(c.autosize ? at.slice(0, 2) : at, c.autosize ? expected.slice(0, 2) : expected,
                       `${c.control} ${c.index}`);
      if (c.background) assert.equal(backgroundColor, rgb(c.background), `${c.control} ${c.index}`);
    }
    assert.equal(await site.evaluate(() => getComputedStyle(document.querySelector('#zandiro')).backgroundColor),
                 rgb(main.background));
  }));

const rgb = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;

// A point of the window's own background, away from every control.
const background = ({ main }) => ({ x: main.width - 3, y: main.height - 3 });

const doubleClickAt = async (site, { x, y }) => {
  const point = await screenPoint(site, x, y);
  await site.doubleClick(point.x, point.y);
};

test('a double-click on the window opens the code window; its codes and close box', { timeout: 60000 }, () =>
  withGame({}, async (site) => {
    await click(site, 'lwscores', { double: true }); // a heading takes its own clicks
    assert.equal(await shown(site, '#code'), false);
    await doubleClickAt(site, background(await view(site)));
    assert.equal(await shown(site, '#zandiro'), false);
    assert.equal(await text(site, '#code-title'), '0 steps are done.');
    for (const key of ['k', ';', '/', 'Shift', 'Insert', 'End']) await site.press(key);
    assert.equal(await shown(site, '#code'), false);
    for (let roll = 0; roll < 4; ++roll) await click(site, 'button-1');
    assert.equal(control(await view(site), 'press').enabled, true, 'unlimited rolls');
    await click(site, 'die-1', { double: true });
    await site.press('k');
    assert.equal(await text(site, '#code-title'), ' 1 steps are done.');
    await clickElement(site, '#code-close');
    assert.equal(await shown(site, '#zandiro'), true);
    assert.equal(await shown(site, '#code'), false);
  }));

test('the reveal label\'s box, then a game to its end and Exit; each file fetched once, nothing kept or ' +
     'fetched from elsewhere', { timeout: 90000 }, () => withGame({}, async (site) => {
    await click(site, 'Label1');
    assert.match(await text(site, '#message-text'), /^Code is: k, ;/);
    assert.equal(await site.evaluate(() => document.activeElement.id), 'message-ok', 'the box has the keyboard');
    await clickElement(site, '#message-ok');
    for (let c = 1; c <= 13; ++c) {
      await click(site, 'button-1');
      await click(site, `category-${c}`);
    }
    await clickElement(site, '#message-ok');
    await click(site, 'button-3');
    assert.equal(await shown(site, '#ended'), true);
    assert.equal(await shown(site, '#frame'), false);
    const before = site.requests.length;
    await site.press('r');
    assert.equal(site.requests.length, before);
    assert.deepEqual(await site.evaluate(async () => [
      performance.getEntriesByType('resource').map((entry) => entry.name).filter((url) => !url.startsWith(origin)),
      document.cookie, localStorage.length, sessionStorage.length, (await indexedDB.databases()).length]),
      [[], '', 0, 0, 0]);
    // The service worker keeps the site's own files, and nothing else.
    const kept = await site.evaluate(async () => (await navigator.serviceWorker.ready) && (await Promise.all(
      (await caches.keys()).map(async (name) => (await caches.open(name)).keys()))).flat().map((r) => r.url));
    assert.ok(kept.length > 0 && kept.every((url) => url.startsWith(site.url)), kept.join(' '));
    // The page's own loads, up to the service worker's script: WebKit's worker
    // does not share the page's HTTP cache, and fetches again what it keeps.
    const own = site.requests.slice(0, site.requests.indexOf('/service-worker.js'));
    assert.deepEqual(own, [...new Set(own)], 'each file fetched once');
    let transferred = 0;
    for (const request of new Set(site.requests)) {
      const file = request === '/' ? 'index.html' : request.slice(1);
      transferred += gzipSync(await readFile(`${process.env.ZANDIRO_SITE}/${file}`), { level: 9 }).length;
    }
    assert.ok(transferred <= 100 * 1024, `a first visit transfers ${transferred} bytes after gzip -9`);
    const policy = await attribute(site, 'meta[http-equiv=Content-Security-Policy]', 'content');
    // The page's own style sheet and boot script, each by its digest.
    assert.match(policy, /script-src 'self' 'sha256-[\w+/]+=' 'wasm-unsafe-eval'; style-src 'sha256-[\w+/]+=';/);
    assert.doesNotMatch(policy, /unsafe-inline/);
  }));

// A translation's text, as its catalogue gives it.
async function translation(language, english) {
  const po = await readFile(new URL(`../../po/${language}.po`, import.meta.url), 'utf8');
  return po.match(new RegExp(`\nmsgid "${english}"\nmsgstr "([^"]*)"`))[1];
}

test('German from the browser\'s preferred languages', { timeout: 60000 }, () =>
  withGame({ locale: 'de-DE' }, async (site) => {
    assert.equal(await attribute(site, 'html', 'lang'), 'de');
    assert.equal(await text(site, '#button-1'), await translation('de', 'Roll'));
    await click(site, 'Label1');
    assert.equal(await text(site, '#message-ok'), await translation('de', 'OK'));
  }));

test('under a dark scheme captions take its text colour where it reads, and the dice its colours',
     { timeout: 60000 }, () => withGame({ dark: true }, async (site) => {
    const { main } = await view(site);
    const drawn = await drawnControls(site);
    const colour = (name) => drawn[control({ main }, name).id].color;
    // The scheme's light text reads on the lower heading's dark red, not on
    // the upper one's green.
    const schemeText = await site.evaluate(() => getComputedStyle(document.body).color);
    assert.deepEqual([colour('lwscores'), colour('upscores')], [schemeText, 'rgb(0, 0, 0)']);
    assert.notEqual(drawn[control({ main }, 'die-1').id].backgroundColor, 'rgb(255, 255, 255)');
  }));

// Keys by their place on the keyboard, and Shift where it changed what the
// key typed: an English keyboard types "!" for Shift+1, a French one "&" for
// the same key and "1" for Shift+&.
test('a digit key holds its die where it types the digit, on any keyboard layout', { timeout: 60000 }, () =>
  withGame({}, async (site) => {
    await site.press('r');
    const keys = [['Digit1', '1', false, true], ['Digit1', '!', true, false], ['Digit1', '&', false, false],
                  ['Digit1', '1', true, true], ['Numpad1', '1', false, true]];
    for (const [code, key, shiftKey, holds] of keys) {
      const before = await attribute(site, '#die-1', 'aria-checked');
      await site.evaluate((init) => document.querySelector('#zandiro').dispatchEvent(
        new KeyboardEvent('keydown', { ...init, bubbles: true, cancelable: true })), { code, key, shiftKey });
      const after = await attribute(site, '#die-1', 'aria-checked');
      assert.equal(after !== before, holds, `${code} "${key}"${shiftKey ? ' with Shift' : ''}`);
    }
    // From Roll, the first place, Shift+Tab is the browser's: out of the game.
    await site.evaluate(() => addEventListener('keydown', (event) => { window.shiftTabTaken = event.defaultPrevented; }));
    await site.press('Shift+Tab');
    assert.equal(await site.evaluate(() => window.shiftTabTaken), false);
  }));

test('right to left: the window drawn mirrored, and presses handed back to the game\'s own places',
     { timeout: 60000 }, () => withGame({ locale: 'ar-EG' }, async (site) => {
    assert.equal(await attribute(site, 'html', 'dir'), 'rtl');
    const { main } = await view(site);
    const roll = control({ main }, 'button-1');
    assert.deepEqual((await drawnControls(site))[roll.id].box, [main.width - roll.left - roll.width, roll.top,
                                                                 roll.width, roll.height]);
    await click(site, 'button-1');
    assert.ok((await faces(site)).every((face) => face >= 1), 'a press on the mirrored Roll rolls');
    const { x, y } = background({ main });
    await doubleClickAt(site, { x: main.width - x, y });
    assert.equal(await shown(site, '#code'), true, 'the mirrored background opens the code window');
  }));
