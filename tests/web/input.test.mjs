// The player's inputs as the page hands them to the game: what a move gives to
// hear, whatever made it; a window read right to left on a narrow screen; the
// message box, the double-click time and the keypad's Enter.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { click, faces, openGame, screenPoint, view } from './game.mjs';

async function withGame(options, body) {
  const site = await openGame(options);
  try {
    await body(site.page);
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
  }
}

const place = async (page, id) => (await view(page)).main.controls.find((c) => c.place === id);

test('a move is heard once, made by a click, a tap or a screen reader; a click that changes nothing is not',
     { timeout: 60000 }, () => withGame({ hasTouch: true }, async (page) => {
    await page.locator('#said').evaluate((region) => {
      window.heard = [];
      new MutationObserver((changes) => changes.forEach((change) => change.addedNodes.forEach(
        (node) => window.heard.push(node.textContent)))).observe(region, { childList: true });
    });
    const heard = () => page.evaluate(() => window.heard);
    await click(page, 'button-1');
    assert.match((await heard()).join('|'), /^Rolled \d/);
    await click(page, 'die-1', { tap: true });
    assert.equal((await heard()).length, 2);
    assert.ok((await heard())[1].startsWith((await place(page, 'die-1')).name), 'the die tapped is heard');
    // A screen reader's click: no pointer, so detail 0.
    await page.locator('#category-13').evaluate((e) => e.dispatchEvent(new MouseEvent('click', { bubbles: true })));
    const score = (await place(page, 'category-13')).caption.trim().split(/\s+/).pop();
    assert.equal((await heard()).length, 3);
    assert.match((await heard())[2], new RegExp(`\\b${score}\\b`), 'the score is heard');
    await click(page, 'category-13');
    assert.equal((await heard()).length, 3, 'a used category says nothing');
  }));

const screens = { phone: { viewport: { width: 375, height: 667 }, hasTouch: true, isMobile: true },
                  'narrow window': { viewport: { width: 375, height: 667 } } };

test('a window read either way fits a narrow screen, and a press on its Roll rolls', { timeout: 120000 }, async () => {
  for (const locale of ['he', 'ar', 'en']) {
    for (const [screen, options] of Object.entries(screens)) {
      await withGame({ ...options, locale }, async (page) => {
        const fits = await page.evaluate(() => {
          const box = document.getElementById('zandiro').getBoundingClientRect();
          return document.documentElement.scrollWidth <= innerWidth && box.left >= 0 && box.right <= innerWidth;
        });
        assert.ok(fits, `${locale} on a ${screen}`);
        await click(page, 'button-1', { tap: options.hasTouch });
        assert.ok((await faces(page)).every((face) => face >= 1), `${locale} on a ${screen} rolls`);
      });
    }
  }
});

test('the message box opens on OK; the keypad\'s Enter; two presses 150 ms apart are a double-click',
     { timeout: 60000 }, () => withGame({}, async (page) => {
    await page.keyboard.press('NumpadEnter'); // on Roll, which has the focus
    assert.ok((await faces(page)).every((face) => face >= 1));
    const { main } = await view(page);
    const reveal = main.controls.find((c) => c.control === 'Label1');
    const label = await screenPoint(page, reveal.inlineStart + reveal.width / 2, reveal.top + reveal.height / 2);
    await page.mouse.click(label.x, label.y);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'message-ok');
    await page.keyboard.press('Enter');
    const background = await screenPoint(page, main.width - 2, main.height - 2);
    await page.mouse.click(background.x, background.y);
    await page.waitForTimeout(150);
    await page.mouse.click(background.x, background.y);
    assert.equal(await page.locator('#code').isVisible(), true);
  }));
