// Whole games in the page, by clicks, by keys and by taps on a phone-sized
// screen, each scored against a scorer of the test's own: turn t rolls once
// and scores the dice in category t.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { phone } from './browser.mjs';
import { click, clickElement, control, faces, numberIn, openGame, said, shown, text, view, waitFor }
  from './game.mjs';

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
  clicks: { options: {}, roll: (site) => click(site, 'button-1'),
            score: (site, c) => click(site, `category-${c}`) },
  taps: { options: { phone }, roll: (site) => click(site, 'button-1', { tap: true }),
          score: (site, c) => click(site, `category-${c}`, { tap: true }) },
  // Roll has the focus at every turn's start; Tab passes the five dice and the
  // categories before category c.
  keys: { options: {}, roll: (site) => site.press('r'),
          score: async (site, c) => {
            for (let i = 0; i < 5 + c; ++i) await site.press('Tab');
            await site.press('Space');
          } },
};

for (const [name, way] of Object.entries(ways)) {
  test(`a whole game by ${name}, scored as an independent scorer scores it`, { timeout: 120000 },
       async () => {
    const site = await openGame(way.options);
    try {
      let upper = 0;
      let lower = 0;
      for (let c = 1; c <= 13; ++c) {
        await way.roll(site);
        const dice = await faces(site);
        assert.ok(dice.every((d) => d >= 1 && d <= 6), `turn ${c} rolled ${dice}`);
        if (name === 'keys') assert.match(await said(site), new RegExp(`^Rolled ${dice.join(', ')}, 2 rolls left$`));
        await way.score(site, c);
        const score = expectedScore(c, dice);
        if (c <= 6) upper += score;
        else lower += score;
        assert.equal(numberIn(control(await view(site), `category-${c}`).caption), score, `category ${c} with ${dice}`);
      }
      const total = upper + (upper > 62 ? 35 : 0) + lower;
      assert.equal(numberIn(control(await view(site), 'tott').caption), total);
      if (name === 'keys') assert.match(await said(site), new RegExp(`, total ${total}$`));
      await waitFor(site, () => document.querySelector('#message').open);
      assert.equal(await text(site, '#message-title'), 'Zandiro');
      assert.match(await text(site, '#message-text'), new RegExp(`\\b${total}\\b`));
      await clickElement(site, '#message-ok');
      assert.equal(await shown(site, '#message'), false);
      assert.deepEqual(await site.evaluate(() => [...document.querySelectorAll('#zandiro button')].map((b) => b.hidden)),
                       [false, false, true], 'Exit and Restart shown, Roll hidden');
      if (name === 'taps') assert.ok(await site.evaluate(() => scrollX === 0 && document.documentElement.scrollWidth <= innerWidth));
      assert.deepEqual(await site.errors(), []);
    } finally {
      await site.close();
    }
  });
}
