// Opens the built site (the folder named by ZANDIRO_SITE) in the browser
// engine named by ZANDIRO_ENGINE: chromium (the default), firefox or webkit,
// each driven by its module in engines/. Every engine offers the same few
// operations, in the page's CSS pixels.
import { serve } from './server.mjs';

export const engine = process.env.ZANDIRO_ENGINE ?? 'chromium';
const { launch } = await import(`./engines/${engine}.mjs`);

// A phone's screen, in CSS pixels.
export const phone = { width: 375, height: 667 };

// Serves the site, starts the browser and loads `pathname` of the site (its
// index by default). `options`: locale ("de-DE"), dark (a dark colour scheme),
// phone (a touch screen of that size). Resolves to {evaluate(script, argument),
// click(x, y), doubleClick(x, y), tap(x, y), press(keys), errors(), requests,
// url, close()}: evaluate runs a function in the page, press takes key names
// as "Shift+Tab", errors resolves to the page's uncaught exceptions and
// console errors as text, requests holds the path of every request the server
// had.
export async function openSite(pathname = '', options = {}) {
  const folder = process.env.ZANDIRO_SITE;
  if (!folder) throw new Error('ZANDIRO_SITE must name the built site folder');
  const server = await serve(folder);
  let browser;
  const close = async () => {
    await browser?.close();
    await server.close();
  };
  try {
    browser = await launch(options);
    await browser.goto(server.url + pathname);
  } catch (error) {
    await close();
    throw error;
  }
  return { ...browser, requests: server.requests, url: server.url, close };
}
