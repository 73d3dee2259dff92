// What the browser build costs a child, in headless Chromium from a plain static server:
// - everything the page downloads, compressed as a server using gzip sends it;
// - from the navigation to the start button's being ready, and from its press to the whole first frame,
//   without the start-up sound the program plays to its end first;
// - the page's main-thread time for each pencil move on a 1920 × 1080 screen, and its share while idle.
// Saves a screenshot of each size.
//
//   node bench.mjs [site folder, build/web by default] [screenshot folder, the current one by default]
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';
import { pause, serve, startProgram } from './page.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const site = resolve(process.argv[2] ?? join(here, '../../build/web'));
const shots = resolve(process.argv[3] ?? '.');

function downloadSizes(folder) {
    let raw = 0, gzipped = 0;
    for (const name of readdirSync(folder)) {
        const path = join(folder, name);
        if (!statSync(path).isFile()) continue;
        const bytes = readFileSync(path);
        raw += bytes.length;
        gzipped += gzipSync(bytes, { level: 6 }).length;
    }
    return { raw, gzipped };
}

// The start-up sound is a WAV file: its data's length over its bytes a second.
function startUpSoundMilliseconds() {
    const wav = readFileSync(join(here, '../../data/a10.mub'));
    const bytesPerSecond = wav.readUInt32LE(28);
    let at = 12;
    while (at + 8 <= wav.length && wav.toString('latin1', at, at + 4) !== 'data') at += 8 + wav.readUInt32LE(at + 4);
    return (1000 * wav.readUInt32LE(at + 4)) / bytesPerSecond;
}

async function mainThreadSeconds(session) {
    return (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
}

async function measure(browser, url, width, height) {
    const page = await browser.newPage();
    await page.setViewport({ width, height });
    const times = await startProgram(page, url);
    const session = await page.createCDPSession();
    await session.send('Performance.enable');

    // Idle, the program waits for a message.
    let before = await mainThreadSeconds(session);
    await pause(5000);
    const idleShare = (await mainThreadSeconds(session) - before) / 5;

    // A pencil stroke across the picture, a move every 16 ms as a mouse reports them, less what idling costs.
    const moves = 120, y = Math.round(height * 0.6);
    await page.mouse.move(width * 0.2, y);
    await page.mouse.down();
    before = await mainThreadSeconds(session);
    const started = performance.now();
    for (let i = 1; i <= moves; i++) {
        await page.mouse.move(width * 0.2 + i * (width * 0.6) / moves, y + (i % 8) * 6);
        await pause(16);
    }
    await page.mouse.up();
    await pause(500);
    const busy = await mainThreadSeconds(session) - before;
    const elapsed = (performance.now() - started) / 1000;
    const perMove = (busy - idleShare * elapsed) / moves;
    await page.screenshot({ path: join(shots, `bench-${width}x${height}.png`) });
    await page.close();
    return { ...times, idleShare, perMove };
}

const { server, port } = await serve(site);
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });
try {
    const url = `http://127.0.0.1:${port}/index.html`;
    const sound = startUpSoundMilliseconds();
    for (const [width, height] of [[1280, 800], [1920, 1080]]) {
        const m = await measure(browser, url, width, height);
        console.log(`${width}x${height}: start button ready ${Math.round(m.ready)} ms after the navigation; ` +
                    `whole first frame ${Math.round(m.lastFrame - m.pressed - sound)} ms after the press and the ` +
                    `${Math.round(sound)} ms start-up sound`);
        console.log(`${width}x${height}: pencil move ${(m.perMove * 1000).toFixed(2)} ms of the main thread; ` +
                    `idle ${(m.idleShare * 100).toFixed(1)}%`);
    }
    const size = downloadSizes(site);
    console.log(`download: ${(size.raw / 1e6).toFixed(2)} MB, ${(size.gzipped / 1e6).toFixed(2)} MB with gzip`);
} finally {
    await browser.close();
    server.kill();
}
