// Loads the browser build in headless Chromium from a plain static server and reports what a child's
// first visit costs: the bytes to download (as a server compressing with gzip sends them), the time from
// the navigation to the start button's being ready, and from its press to the program's whole first frame
// (its start-up sound plays before the canvas appears). Saves a screenshot, and fails when no frame comes
// or the frame is nearly one flat colour.
//
//   node first-frame.mjs [site folder, build/web by default] [screenshot.png]
//   DAB_TABLET=1 node first-frame.mjs ...   the same on a touch screen of two device pixels a CSS pixel
import { spawn } from 'node:child_process';
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

const here = dirname(fileURLToPath(import.meta.url));
const site = resolve(process.argv[2] ?? join(here, '../../build/web'));
const screenshot = resolve(process.argv[3] ?? 'first-frame.png');
const width = 1280, height = 800;
const tablet = process.env.DAB_TABLET === '1';
const viewport = tablet ? { width, height, deviceScaleFactor: 2, hasTouch: true, isMobile: true } : { width, height };

function downloadSizes(folder) {
    let raw = 0, gzipped = 0;
    for (const name of readdirSync(folder)) {
        const path = join(folder, name);
        if (!statSync(path).isFile()) continue;
        const bytes = readFileSync(path);
        raw += bytes.length;
        gzipped += gzipSync(bytes, { level: 9 }).length;
    }
    return { raw, gzipped };
}

// python3's own server on a port the system picks; resolves with the port it names.
function serve(folder) {
    const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', folder],
                         { stdio: ['ignore', 'pipe', 'ignore'] });
    return new Promise((done, fail) => {
        server.stdout.on('data', (chunk) => {
            const port = /port (\d+)/.exec(chunk.toString());
            if (port) done({ server, port: Number(port[1]) });
        });
        server.on('exit', () => fail(new Error('the static server ended')));
    });
}

const { server, port } = await serve(site);
const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', `--window-size=${width},${height}`],
    defaultViewport: viewport,
});
let failed = false;
try {
    const page = await browser.newPage();
    page.on('console', (message) => console.log(`page: ${message.text()}`));
    page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
    page.on('response', (response) => {
        if (response.status() >= 400) console.log(`page: ${response.status()} for ${response.url()}`);
    });
    // The program shows a frame by putting the screen's pixels into the canvas; the last one before it goes
    // idle completes its first frame.
    await page.evaluateOnNewDocument(() => {
        const put = CanvasRenderingContext2D.prototype.putImageData;
        CanvasRenderingContext2D.prototype.putImageData = function (...args) {
            window.dabLastFrame = performance.now();
            return put.apply(this, args);
        };
    });
    await page.goto(`http://127.0.0.1:${port}/index.html`, { waitUntil: 'load' });
    await page.waitForSelector('#start:not([disabled])', { timeout: 120000 });
    const ready = await page.evaluate(() => performance.now());
    await (tablet ? page.tap('#start') : page.click('#start'));
    const pressed = await page.evaluate(() => performance.now());
    // The blank white picture in the middle of the screen, then no new frame for a second.
    await page.waitForFunction(() => {
        const canvas = document.getElementById('canvas');
        const [r, g, b] = canvas.getContext('2d').getImageData(canvas.width >> 1, canvas.height >> 1, 1, 1).data;
        return r === 255 && g === 255 && b === 255;
    }, { timeout: 120000, polling: 50 });
    await page.waitForFunction(() => performance.now() - window.dabLastFrame > 1000, { timeout: 120000, polling: 100 });
    const lastFrame = await page.evaluate(() => window.dabLastFrame);

    // Idle, the program waits for a message: the share of the page's main thread that waiting costs.
    const session = await page.createCDPSession();
    await session.send('Performance.enable');
    const busy = async () => (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
    const busyBefore = await busy();
    await new Promise((wait) => setTimeout(wait, 5000));
    const idleShare = (await busy() - busyBefore) / 5;

    // A child's first stroke with the pencil the program starts with, across the middle of the picture.
    const y = height >> 1;
    if (tablet) {
        await page.touchscreen.touchStart(width / 2 - 100, y);
        for (let x = width / 2 - 100; x <= width / 2 + 100; x += 10) await page.touchscreen.touchMove(x, y);
        await page.touchscreen.touchEnd();
    } else {
        await page.mouse.move(width / 2 - 100, y);
        await page.mouse.down();
        for (let x = width / 2 - 100; x <= width / 2 + 100; x += 10) await page.mouse.move(x, y);
        await page.mouse.up();
    }
    await new Promise((wait) => setTimeout(wait, 500));
    // The columns the stroke crossed, in canvas pixels: those with some colour but white about the line.
    const stroke = await page.evaluate((from, to, y) => {
        const canvas = document.getElementById('canvas');
        const k = canvas.width / window.innerWidth;
        const left = Math.round(from * k), across = Math.round((to - from) * k);
        const band = canvas.getContext('2d').getImageData(left, Math.round(y * k) - 4, across, 9).data;
        let columns = 0;
        for (let x = 0; x < across; x++) {
            for (let row = 0; row < 9; row++) {
                const i = 4 * (row * across + x);
                if (band[i] !== 255 || band[i + 1] !== 255 || band[i + 2] !== 255) {
                    columns++;
                    break;
                }
            }
        }
        return columns / across;
    }, width / 2 - 100, width / 2 + 100, y);
    await page.screenshot({ path: screenshot });
    const frame = await page.evaluate(() => {
        const canvas = document.getElementById('canvas');
        const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        const colours = new Set();
        for (let i = 0; i < pixels.length; i += 4 * 97) colours.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
        return { width: canvas.width, height: canvas.height, colours: colours.size };
    });
    const size = downloadSizes(site);
    console.log(`canvas: ${frame.width}x${frame.height}, ${frame.colours} colours sampled`);
    console.log(`start button ready: ${Math.round(ready)} ms after the navigation started`);
    console.log(`whole first frame: ${Math.round(lastFrame - pressed)} ms after the press`);
    console.log(`idle: ${(idleShare * 100).toFixed(1)}% of the main thread`);
    console.log(`stroke: ${Math.round(stroke * 100)}% of its columns drawn`);
    console.log(`download: ${(size.raw / 1e6).toFixed(2)} MB, ${(size.gzipped / 1e6).toFixed(2)} MB with gzip`);
    console.log(`screenshot: ${screenshot}`);
    if (frame.colours < 8) {
        console.log('the frame is nearly one flat colour');
        failed = true;
    }
    if (stroke < 0.95) {
        console.log('the stroke did not reach the picture');
        failed = true;
    }
} finally {
    await browser.close();
    server.kill();
}
process.exit(failed ? 1 : 0);
