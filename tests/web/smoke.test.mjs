import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openSite } from './browser.mjs';

test('the site loads in chromium and its page is titled Zandiro', { timeout: 60000 }, async () => {
  const site = await openSite();
  try {
    assert.equal(await site.page.title(), 'Zandiro');
    assert.equal(site.server.requests[0], '/');
  } finally {
    await site.close();
  }
});
