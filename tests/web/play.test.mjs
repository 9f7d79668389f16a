// Whole games in the page, by clicks, by keys and by taps on a phone-sized
// screen, each scored against a scorer of the test's own: turn t rolls once
// and scores the dice in category t.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { click, faces, numberIn, openGame, said, view } from './game.mjs';

// What category c (1 to 13, scorecard order) scores for five dice.
function expectedScore(c, dice) {
  const count = (face) => dice.filter((d) => d === face).length;
  const counts = [1, 2, 3, 4, 5, 6].map(count);
  const sum = dice.reduce((a, b) => a + b, 0);
  const run = (from, length) => counts.slice(from - 1, from - 1 + length).every((n) => n > 0);
  if (c <= 6) return c * count(c);
  return [
    Math.max(...counts) >= 3 ? sum : 0,
    Math.max(...counts) >= 4 ? sum : 0,
    counts.includes(3) && counts.includes(2) ? 25 : 0,
    run(1, 4) || run(2, 4) || run(3, 4) ? 30 : 0,
    run(1, 5) || run(2, 5) ? 40 : 0,
    Math.max(...counts) === 5 ? 50 : 0,
    sum,
  ][c - 7];
}

const ways = {
  clicks: { options: {}, roll: (page) => click(page, 'button-1'),
            score: (page, c) => click(page, `category-${c}`) },
  taps: { options: { viewport: { width: 375, height: 667 }, hasTouch: true, isMobile: true },
          roll: (page) => click(page, 'button-1', { tap: true }),
          score: (page, c) => click(page, `category-${c}`, { tap: true }) },
  // Roll has the focus at every turn's start; Tab passes the five dice and the
  // categories before category c.
  keys: { options: {}, roll: (page) => page.keyboard.press('r'),
          score: async (page, c) => {
            for (let i = 0; i < 5 + c; ++i) await page.keyboard.press('Tab');
            await page.keyboard.press('Space');
          } },
};

for (const [name, way] of Object.entries(ways)) {
  test(`a whole game by ${name}, scored as an independent scorer scores it`, { timeout: 120000 },
       async () => {
    const site = await openGame(way.options);
    const { page } = site;
    try {
      let upper = 0;
      let lower = 0;
      for (let c = 1; c <= 13; ++c) {
        await way.roll(page);
        const dice = await faces(page);
        assert.ok(dice.every((d) => d >= 1 && d <= 6), `turn ${c} rolled ${dice}`);
        if (name === 'keys') assert.match(await said(page), new RegExp(`^Rolled ${dice.join(', ')}, 2 rolls left$`));
        await way.score(page, c);
        const score = expectedScore(c, dice);
        if (c <= 6) upper += score;
        else lower += score;
        const category = (await view(page)).main.controls.find((x) => x.place === `category-${c}`);
        assert.equal(numberIn(category.caption), score, `category ${c} with ${dice}`);
      }
      const total = upper + (upper > 62 ? 35 : 0) + lower;
      const tott = (await view(page)).main.controls.find((x) => x.control === 'tott');
      assert.equal(numberIn(tott.caption), total);
      if (name === 'keys') assert.match(await said(page), new RegExp(`, total ${total}$`));
      const box = page.locator('#message');
      await box.waitFor();
      assert.equal(await page.locator('#message-title').textContent(), 'Zandiro');
      assert.match(await page.locator('#message-text').textContent(), new RegExp(`\\b${total}\\b`));
      await page.locator('#message-ok').click();
      await box.waitFor({ state: 'hidden' });
      assert.deepEqual(await page.$$eval('#zandiro button', (buttons) => buttons.map((b) => b.hidden)),
                       [false, false, true], 'Exit and Restart shown, Roll hidden');
      if (name === 'taps') assert.ok(await page.evaluate(() => scrollX === 0 && document.documentElement.scrollWidth <= innerWidth));
      assert.deepEqual(site.errors, []);
    } finally {
      await site.close();
    }
  });
}
