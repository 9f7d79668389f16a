// The page before the game has started: the first frame stands in index.html
// where the game draws its window, a visitor of another language never sees
// its English captions nor a window mirrored otherwise than the game's, and an
// input made before the start is not lost.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';
import { engine } from './browser.mjs';
import { flags } from './engines/chromium.mjs';
import { serve } from './server.mjs';

// Holding back a file of the page is asked of Chromium.
const chromiumAlone = engine !== 'chromium' && 'files held back are asked of Chromium';
const view = (page) => page.evaluate(() => window.zandiroView());
const faces = (page) => page.$$eval('[role=checkbox]', (dice) => dice.map((d) => Number(d.ariaLabel.split(': ')[1])));
const said = (page) => page.locator('#said').textContent();

// Each control's element: its box in the window, whether it shows, its caption.
const drawn = (page) => page.$$eval('#zandiro .controls > *', (elements) => elements.map((e) => {
  const outer = e.closest('.window').getBoundingClientRect();
  const inner = e.getBoundingClientRect();
  return { box: [inner.left - outer.left, inner.top - outer.top, inner.width, inner.height],
           shown: !e.hidden, caption: e.textContent };
}));

// A page of its own on the served site, so that a test can hold back a file of
// the page before it loads.
async function withSite(options, body) {
  const server = await serve(process.env.ZANDIRO_SITE);
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: flags });
  const page = await (await browser.newContext(options)).newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  try {
    await body(page, server);
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
    await server.close();
  }
}

const started = (page) => page.waitForFunction(() => window.zandiroView);

// English; German; and Hebrew, which the game reads right to left.
for (const locale of ['en-US', 'de-DE', 'he']) {
  test(`in ${locale}, the first frame stands where the game draws it, with captions only in its language`,
       { timeout: 60000, skip: chromiumAlone }, () => withSite({ locale }, async (page, server) => {
      let release;
      const held = new Promise((resolve) => { release = resolve; });
      await page.route('**/page.mjs', (route) => held.then(() => route.continue()));
      await page.goto(server.url, { waitUntil: 'commit' });
      await page.waitForSelector('#said', { state: 'attached' });
      const frame = await drawn(page);
      const colours = () => page.$$eval('#zandiro .controls > :not([hidden])',
        (elements) => elements.filter((e) => e.textContent.trim()).map((e) => getComputedStyle(e).color));
      const english = locale === 'en-US';
      assert.ok((await colours()).every((colour) => (colour === 'rgba(0, 0, 0, 0)') !== english), (await colours()).join());
      release();
      await started(page);
      const { controls } = (await view(page)).main;
      assert.equal(controls.find((c) => c.place === 'button-1').caption === 'Roll', english);
      assert.ok((await colours()).every((colour) => colour !== 'rgba(0, 0, 0, 0)'));
      const game = await drawn(page);
      assert.equal(frame.length, controls.length);
      for (const c of controls) {
        const at = `${c.control} ${c.index}`;
        assert.equal(frame[c.id].shown, c.visible, at);
        if (!c.visible) continue;
        if (english) assert.equal(frame[c.id].caption, c.caption, at);
        // A caption that sizes its label moves a label read right to left.
        const sides = c.autosize ? (english ? 2 : 0) : 4;
        assert.deepEqual(frame[c.id].box.slice(0, sides), game[c.id].box.slice(0, sides), at);
      }
    }));
}

test('a click on Roll and a key R made while the game loads are both answered', { timeout: 60000, skip: chromiumAlone }, () =>
  withSite({}, async (page, server) => {
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    await page.route('**/zandiro.wasm', (route) => held.then(() => route.continue()));
    await page.goto(server.url, { waitUntil: 'commit' });
    await page.locator('#button-1').click();
    await page.keyboard.press('r');
    release();
    await started(page);
    await page.waitForFunction(() => document.getElementById('said').textContent);
    assert.ok((await faces(page)).every((face) => face >= 1 && face <= 6));
    assert.match(await said(page), /, 1 roll left$/);
  }));
