// A static file server for the browser tests: the site's folder on 127.0.0.1
// at a port the system picks. It serves only the kinds of file a page of the
// site may load, and keeps the path of every request, so that a test can check
// that the page asks for its own files and nothing else.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import path from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.mjs': 'text/javascript',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.css': 'text/css',
  '.png': 'image/png',
  '.mo': 'application/octet-stream',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
};

// Serves `folder`; resolves to {url, requests, close()}, where requests holds
// each request's path ("/", "/zandiro.wasm", ...) in the order they came.
export async function serve(folder) {
  const root = path.resolve(folder);
  const requests = [];
  const server = createServer(async (request, response) => {
    const { pathname } = new URL(request.url, 'http://127.0.0.1');
    requests.push(pathname);
    // URL has already taken out any "..": the file lies inside the folder.
    const file = path.join(root, pathname.endsWith('/') ? `${pathname}index.html` : pathname);
    const type = types[path.extname(file)];
    try {
      if (!type) throw new Error('not a file of the site');
      const body = await readFile(file);
      // Kept by the browser as a static host's files are, and asked for again
      // before each use.
      response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-cache' }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const close = () => new Promise((resolve) => server.close(resolve));
  return { url, requests, close };
}
