// The page before the game has started: the first frame stands in index.html
// where the game draws its window, a visitor of another language never sees
// its English captions nor a window mirrored otherwise than the game's, and an
// input made before the start is not lost.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openSite } from './browser.mjs';
import { faces, said, view } from './game.mjs';

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
  const site = await openSite();
  const page = await (await site.browser.newContext(options)).newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  try {
    await body(page, site);
    assert.deepEqual(errors, []);
  } finally {
    await site.close();
  }
}

const started = (page) => page.waitForFunction(() => window.zandiroView);

test('with no script run, the page shows every control where the game draws it', { timeout: 60000 }, () =>
  withSite({ javaScriptEnabled: false }, async (page, site) => {
    await page.goto(site.server.url);
    const frame = await drawn(page);
    await started(site.page);
    const { controls } = (await view(site.page)).main;
    assert.equal(frame.length, controls.length);
    for (const c of controls) {
      const at = `${c.control} ${c.index}`;
      assert.equal(frame[c.id].shown, c.visible, at);
      if (!c.visible) continue;
      assert.equal(frame[c.id].caption, c.caption, at);
      const expected = [c.inlineStart, c.top, c.width, c.height];
      assert.deepEqual(frame[c.id].box.slice(0, c.autosize ? 2 : 4), expected.slice(0, c.autosize ? 2 : 4), at);
    }
  }));

// German, and Hebrew, which the game reads right to left.
for (const locale of ['de-DE', 'he']) {
  test(`in ${locale}, the first frame stands where the game draws it, with no English caption`,
       { timeout: 60000 }, () => withSite({ locale }, async (page, site) => {
      let release;
      const held = new Promise((resolve) => { release = resolve; });
      await page.route('**/page.mjs', (route) => held.then(() => route.continue()));
      await page.goto(site.server.url, { waitUntil: 'commit' });
      await page.waitForSelector('#said', { state: 'attached' });
      const frame = await drawn(page);
      const colours = () => page.$$eval('#zandiro .controls > :not([hidden])',
        (elements) => elements.filter((e) => e.textContent.trim()).map((e) => getComputedStyle(e).color));
      assert.ok((await colours()).every((colour) => colour === 'rgba(0, 0, 0, 0)'), (await colours()).join());
      release();
      await started(page);
      const roll = (await view(page)).main.controls.find((c) => c.place === 'button-1');
      assert.notEqual(roll.caption, 'Roll');
      assert.equal(await page.locator('#button-1').textContent(), roll.caption);
      assert.ok((await colours()).every((colour) => colour !== 'rgba(0, 0, 0, 0)'));
      const game = await drawn(page);
      for (const c of (await view(page)).main.controls.filter((x) => x.visible && !x.autosize)) {
        assert.deepEqual(frame[c.id].box, game[c.id].box, `${c.control} ${c.index}`);
      }
    }));
}

test('a click on Roll and a key R made while the game loads are both answered', { timeout: 60000 }, () =>
  withSite({}, async (page, site) => {
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    await page.route('**/zandiro.wasm', (route) => held.then(() => route.continue()));
    await page.goto(site.server.url, { waitUntil: 'commit' });
    await page.locator('#button-1').click();
    await page.keyboard.press('r');
    release();
    await started(page);
    await page.waitForFunction(() => document.getElementById('said').textContent);
    assert.ok((await faces(page)).every((face) => face >= 1 && face <= 6));
    assert.match(await said(page), /, 1 roll left$/);
  }));
