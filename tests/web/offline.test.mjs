// The page as an installed app, in a profile of its own (Chromium installs nothing
// from an incognito context): installable, a new build takes over, a game offline.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFile, cp } from 'node:fs/promises';
import { chromium } from 'playwright-core';
import { engine } from './browser.mjs';
import { flags } from './engines/chromium.mjs';
import { click } from './game.mjs';
import { serve } from './server.mjs';

const chromiumAlone = engine !== 'chromium' && 'installability and a cut network are asked of Chromium';

test('installable; a new build takes over; a whole game offline', { timeout: 180000, skip: chromiumAlone }, async (t) => {
  const site = `${process.env.ZANDIRO_SITE}-copy`; // a copy that the test builds anew
  const server = await cp(process.env.ZANDIRO_SITE, site, { recursive: true }).then(() => serve(site));
  const context = await chromium.launchPersistentContext('', { executablePath: '/usr/bin/chromium', args: flags, locale: 'de' });
  t.after(() => context.close().then(server.close));
  const [page] = context.pages();
  await page.goto(server.url);
  assert.deepEqual((await (await context.newCDPSession(page)).send('Page.getInstallabilityErrors')).installabilityErrors, []);

  const [old] = await page.evaluate(() => navigator.serviceWorker.ready.then(() => caches.keys()));
  await appendFile(`${site}/page.mjs`, '// the next build\n');
  execFileSync('cmake', [`-DSITE=${site}`, '-P', new URL('../../web/service-worker.cmake', import.meta.url).pathname]);
  await page.reload(); // finds the new worker, which takes over and drops the old cache
  while ((await page.evaluate(() => caches.keys())).includes(old)) await page.waitForTimeout(100);
  await page.reload();
  assert.match(await page.evaluate(() => fetch('page.mjs').then((response) => response.text())), /the next build/);

  await context.setOffline(true);
  await page.reload(); // the page starts only with the catalogue of its language
  await page.waitForFunction(() => window.zandiroView);
  const player = { evaluate: (script, argument) => page.evaluate(script, argument), click: (x, y) => page.mouse.click(x, y) };
  for (let c = 1; c <= 13; ++c) await click(player, 'button-1').then(() => click(player, `category-${c}`));
  await page.locator('#message').waitFor();
});
