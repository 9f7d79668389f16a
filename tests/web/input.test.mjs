// The player's inputs as the page hands them to the game: what a move gives to
// hear, whatever made it; a window read right to left on a narrow screen; the
// message box, the double-click time and the keypad's Enter.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { phone } from './browser.mjs';
import { click, control, faces, withGame, screenPoint, shown, view, waitFor } from './game.mjs';

const place = async (site, id) => control(await view(site), id);

test('a move is heard once, made by a click, a tap or a screen reader; a click that changes nothing is not',
     { timeout: 60000 }, () => withGame({ phone }, async (site) => {
    await site.evaluate(() => {
      window.heard = [];
      new MutationObserver((changes) => changes.forEach((change) => change.addedNodes.forEach(
        (node) => window.heard.push(node.textContent)))).observe(document.getElementById('said'), { childList: true });
    });
    const heard = () => site.evaluate(() => window.heard);
    await click(site, 'button-1');
    assert.match((await heard()).join('|'), /^Rolled \d/);
    await click(site, 'die-1', { tap: true });
    assert.equal((await heard()).length, 2);
    assert.ok((await heard())[1].startsWith((await place(site, 'die-1')).name), 'the die tapped is heard');
    // A screen reader's click: no pointer, so detail 0.
    await site.evaluate(() => document.getElementById('category-13')
      .dispatchEvent(new MouseEvent('click', { bubbles: true })));
    const score = (await place(site, 'category-13')).caption.trim().split(/\s+/).pop();
    assert.equal((await heard()).length, 3);
    assert.match((await heard())[2], new RegExp(`\\b${score}\\b`), 'the score is heard');
    await click(site, 'category-13');
    assert.equal((await heard()).length, 3, 'a used category says nothing');
  }));

test('a window read either way fits a phone, and a press on its Roll rolls', { timeout: 120000 }, async () => {
  for (const locale of ['he-IL', 'ar-EG', 'en-US']) {
    await withGame({ phone, locale }, async (site) => {
      const fits = await site.evaluate(() => {
        const box = document.getElementById('zandiro').getBoundingClientRect();
        return document.documentElement.scrollWidth <= innerWidth && box.left >= 0 && box.right <= innerWidth;
      });
      assert.ok(fits, `${locale} on a phone`);
      await click(site, 'button-1', { tap: true });
      assert.ok((await faces(site)).every((face) => face >= 1), `${locale} on a phone rolls`);
    });
  }
});

test('the message box opens on OK; the keypad\'s Enter; two presses 100 ms apart are a double-click',
     { timeout: 60000 }, () => withGame({}, async (site) => {
    await site.evaluate(() => document.getElementById('zandiro').dispatchEvent(new KeyboardEvent('keydown',
      { code: 'NumpadEnter', key: 'Enter', bubbles: true, cancelable: true }))); // on Roll, which has the focus
    assert.ok((await faces(site)).every((face) => face >= 1));
    await click(site, 'Label1');
    assert.equal(await site.evaluate(() => document.activeElement.id), 'message-ok');
    await site.evaluate(() => document.getElementById('message-ok').click());
    const { main } = await view(site);
    const background = await screenPoint(site, main.width - 2, main.height - 2);
    await site.click(background.x, background.y);
    await new Promise((resolve) => setTimeout(resolve, 100));
    await site.click(background.x, background.y);
    await waitFor(site, () => !document.getElementById('code').hidden);
    assert.equal(await shown(site, '#code'), true);
  }));
