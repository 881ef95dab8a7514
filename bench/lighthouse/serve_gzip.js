// A static file server on 127.0.0.1 for the page checks: serves one folder
// as a web server would, gzip-compressed when the browser accepts it, with
// a content type and a cache lifetime per file; compresses each file once.
//
//   node serve_gzip.js FOLDER PORT
//
// Prints "listening on http://127.0.0.1:PORT/" once ready.
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');

const [folder, port] = process.argv.slice(2);
const root = path.resolve(folder);
const types = {
  '.htm': 'text/html; charset=utf-8', '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.png': 'image/png', '.txt': 'text/plain; charset=utf-8',
};
const compressed = new Map();

const server = http.createServer((request, response) => {
  let name;
  try {
    name = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
  } catch (e) {
    response.writeHead(400).end();
    return;
  }
  const file = path.join(root, name === '/' ? 'index.htm' : name);
  if (!file.startsWith(root + path.sep) || !fs.existsSync(file) ||
      !fs.statSync(file).isFile()) {
    response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
    return;
  }
  const headers = {
    'Content-Type': types[path.extname(file)] || 'application/octet-stream',
    'Cache-Control': 'max-age=86400',
    'Vary': 'Accept-Encoding',
  };
  let body = fs.readFileSync(file);
  if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
    if (!compressed.has(file)) compressed.set(file, zlib.gzipSync(body, { level: 9 }));
    body = compressed.get(file);
    headers['Content-Encoding'] = 'gzip';
  }
  headers['Content-Length'] = body.length;
  response.writeHead(200, headers);
  response.end(request.method === 'HEAD' ? undefined : body);
});
server.listen(Number(port), '127.0.0.1', () => {
  console.log('listening on http://127.0.0.1:' + port + '/');
});
