// The browser build as a child and a parent use it, in headless Chromium driven through the DevTools
// protocol: the page starts and shows the frame; a mouse stroke leaves exactly the pixels the headless
// backend's same session leaves; a touch stroke draws without moving the page; the checks beside this file
// (*.check.mjs) run on the started page; a saved picture and the work left unsaved are both in the chooser
// after a reload; and with the server stopped the page starts again from its cache.
//
//   node browser.mjs SITE DAB_SESSION     SITE: the folder ./dev web builds; DAB_SESSION: the headless session
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serve, startProgram, canvasPixels, waitForFrame, pause } from './page.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const [site, session] = process.argv.slice(2).map((path) => path && resolve(path));
if (!site || !session) {
    console.log('usage: node browser.mjs SITE DAB_SESSION');
    process.exit(2);
}
if (!existsSync(join(site, 'index.html'))) {
    console.log(`FAIL: no browser build in ${site}: ./dev web builds it`);
    process.exit(1);
}
const width = 1280, height = 800;
const userFolder = '/home/web_user/Pictures/dab';
const work = mkdtempSync(join(tmpdir(), 'dab-web-'));
const failures = [];

// Each step says what it found; a step that throws is a failure, with a screenshot kept in the work folder,
// and the later steps still run.
async function step(page, name, run) {
    try {
        await run();
        console.log(`ok: ${name}`);
    } catch (error) {
        failures.push(name);
        const shot = join(work, `failed-${failures.length}.png`);
        await page.screenshot({ path: shot }).catch(() => {});
        console.log(`FAIL: ${name}: ${error.message} (the page then: ${shot})`);
    }
}

function expect(condition, message) {
    if (!condition) throw new Error(message);
}

// The pictures the page keeps, as its file system lists them.
function keptPictures(page) {
    return page.evaluate((folder) => {
        try {
            return FS.readdir(folder).filter((name) => name !== '.' && name !== '..').sort();
        } catch {
            return [];
        }
    }, userFolder);
}

// The screen of dab_session after the same stroke, as rows of RGB.
function headlessScreen(points) {
    const out = join(work, 'headless.ppm');
    const run = spawnSync(session, [String(width), String(height), out, ...points.flat().map(String)],
                          { cwd: dirname(session), encoding: 'utf8', timeout: 120000 });
    if (run.status !== 0) throw new Error(`dab_session ended with ${run.status}: ${run.stderr}`);
    const bytes = readFileSync(out);
    const header = /^P6\s+(\d+)\s+(\d+)\s+255\s/.exec(bytes.toString('latin1', 0, 32));
    return { width: Number(header[1]), height: Number(header[2]), rgb: bytes.subarray(header[0].length) };
}

// Presses, moves and releases the mouse through the points, each move drawn before the next comes, as a hand
// draws: the program takes a stroke's moves one at a time.
async function mouseStroke(page, points) {
    await page.mouse.move(...points[0]);
    await waitForFrame(page, () => page.mouse.down());
    for (const point of points.slice(1)) await waitForFrame(page, () => page.mouse.move(...point));
    await page.mouse.up();
    await pause(300);
}

// Ink in a band about a row: the share of its columns holding anything but white.
async function inkedColumns(page, left, right, y) {
    const { data } = await canvasPixels(page, left, y - 4, right - left, 9);
    let columns = 0;
    for (let x = 0; x < right - left; x++) {
        for (let row = 0; row < 9; row++) {
            const i = 4 * (row * (right - left) + x);
            if (data[i] !== 255 || data[i + 1] !== 255 || data[i + 2] !== 255) {
                columns++;
                break;
            }
        }
    }
    return columns / (right - left);
}

// The files button in the left column, then one of the buttons it shows along the top; a save's message box
// is answered with its OK. Where they are on a screen of 1280 × 800.
async function clickFilesButton(page, name) {
    const button = { open: [78, 18], save: [112, 18] }[name];
    await waitForFrame(page, () => page.mouse.click(25, 422));
    await waitForFrame(page, () => page.mouse.click(...button));
    if (name === 'save') {
        await pause(1000);
        await waitForFrame(page, () => page.mouse.click(640, 434));
    }
}

// The colours of the picture on the canvas, right of the tools and below the options.
async function pictureColours(page) {
    const { data } = await canvasPixels(page, 52, 74, width - 52, height - 74);
    const colours = new Set();
    for (let i = 0; i < data.length; i += 4) colours.add((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
    return colours;
}

// The chooser's pictures, in a square of four below its title, that show some of the child's ink and no
// colour the child's picture lacks: the child's own, not the supplied ones.
async function chooserCellsOfColours(page, colours) {
    const left = 101, top = 101, cellWidth = 200, cellHeight = 150;
    const { data } = await canvasPixels(page, left, top, 2 * cellWidth, 2 * cellHeight);
    let cells = 0;
    for (const [column, row] of [[0, 0], [1, 0], [0, 1], [1, 1]]) {
        let ink = 0, other = 0;
        for (let y = row * cellHeight; y < (row + 1) * cellHeight; y++) {
            for (let x = column * cellWidth; x < (column + 1) * cellWidth; x++) {
                const i = 4 * (y * 2 * cellWidth + x), rgb = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
                if (rgb === 0xffffff) continue;
                if (colours.has(rgb)) ink++;
                else other++;
            }
        }
        if (ink > 0 && other === 0) cells++;
    }
    return cells;
}

const { server, port } = await serve(site);
const url = `http://127.0.0.1:${port}/index.html`;
const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', `--window-size=${width},${height}`],
    defaultViewport: { width, height, hasTouch: true },
});
const checks = [];
for (const name of readdirSync(here).filter((name) => name.endsWith('.check.mjs')).sort())
    checks.push({ name, module: await import(join(here, name)) });
try {
    const page = await browser.newPage();
    page.on('console', (message) => console.log(`page: ${message.text()}`));
    page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
    for (const { module } of checks) if (module.prepare) await module.prepare(page);

    await step(page, 'the page starts and shows the frame and the canvas', async () => {
        await startProgram(page, url);
        const frame = await page.evaluate(() => ({
            width: Module.canvas.width, height: Module.canvas.height, start: !!document.getElementById('start'),
        }));
        expect(frame.width === width && frame.height === height, `the canvas is ${frame.width}x${frame.height}`);
        expect(!frame.start, 'the start button is still there');
    });

    await step(page, 'a mouse stroke leaves the pixels of the headless session', async () => {
        const points = [];
        for (let i = 0; i <= 30; i++) points.push([300 + i * 15, 300 + (i % 2) * 60 + 2 * i]);
        await mouseStroke(page, points);
        const shown = await canvasPixels(page, 0, 0, width, height);
        const headless = headlessScreen(points);
        expect(headless.width === width && headless.height === height, `the headless screen is ${headless.width}x${headless.height}`);
        let differing = 0, first = null;
        for (let p = 0; p < width * height; p++) {
            if (shown.data[4 * p] !== headless.rgb[3 * p] || shown.data[4 * p + 1] !== headless.rgb[3 * p + 1] ||
                shown.data[4 * p + 2] !== headless.rgb[3 * p + 2]) {
                differing++;
                first ??= `${p % width},${Math.floor(p / width)}`;
            }
        }
        expect(differing === 0, `${differing} pixels differ, the first at ${first}`);
    });

    await step(page, 'a touch stroke draws, and the page neither scrolls nor zooms', async () => {
        const y = 650;
        await page.touchscreen.touchStart(400, y);
        for (let x = 410; x <= 800; x += 10) await waitForFrame(page, () => page.touchscreen.touchMove(x, y));
        await page.touchscreen.touchEnd();
        await pause(300);
        const inked = await inkedColumns(page, 400, 800, y);
        const view = await page.evaluate(() => ({ x: scrollX, y: scrollY, scale: visualViewport.scale }));
        expect(inked > 0.95, `only ${Math.round(inked * 100)}% of the stroke's columns have ink`);
        expect(view.x === 0 && view.y === 0 && view.scale === 1, `the page moved: ${JSON.stringify(view)}`);
    });

    for (const { name, module } of checks)
        await step(page, name, () => module.default(page, { site, log: (line) => console.log(`${name}: ${line}`) }));

    await step(page, 'typed letters appear with the text tool', async () => {
        // The text button and the click that places the text show nothing yet; the letters do.
        await page.mouse.click(25, 338);
        await page.mouse.click(900, 200);
        await pause(300);
        await waitForFrame(page, () => page.keyboard.type('dab', { delay: 50 }));
        await pause(500);
        // Letters of the text tool's size hang below the click: "dab" is about 30 pixels wide.
        const inked = await inkedColumns(page, 900, 960, 214);
        // The brushes again, which ends the text.
        await waitForFrame(page, () => page.mouse.click(25, 212));
        expect(inked > 0.3, `the letters left ink in only ${Math.round(inked * 100)}% of the columns after the click`);
    });

    let keptBefore = [], colours = new Set();
    await step(page, 'a save keeps the picture in the browser, and work left unsaved goes to the journal', async () => {
        const before = await keptPictures(page);
        colours = await pictureColours(page);
        await clickFilesButton(page, 'save');
        await page.waitForFunction((folder, count) => {
            try {
                return FS.readdir(folder).filter((name) => /\.BMP$/i.test(name)).length > count;
            } catch {
                return false;
            }
        }, { timeout: 20000, polling: 100 }, userFolder, before.filter((name) => /\.BMP$/i.test(name)).length);
        // Then more drawing, left unsaved: the journal keeps it once the child pauses.
        await mouseStroke(page, [[500, 500], [600, 520], [700, 500]]);
        await page.waitForFunction((folder) => FS.readdir(folder).includes('UNSAVED.DAB'),
                                   { timeout: 20000, polling: 200 }, userFolder);
        for (const colour of await pictureColours(page)) colours.add(colour);
        keptBefore = await keptPictures(page);
        // Copied to IndexedDB once the program has returned to the browser.
        await pause(1000);
    });

    await step(page, 'after a reload the saved picture and the unsaved work are in the chooser', async () => {
        await startProgram(page, url, { reload: true });
        const kept = await keptPictures(page);
        const pictures = kept.filter((name) => /\.BMP$/i.test(name));
        const saved = keptBefore.filter((name) => /\.BMP$/i.test(name));
        expect(saved.every((name) => kept.includes(name)), `kept before: ${keptBefore}, after: ${kept}`);
        expect(pictures.length === saved.length + 1, `the unsaved work is no new picture: ${kept}`);
        expect(!kept.includes('UNSAVED.DAB'), 'the journal is still there');
        await clickFilesButton(page, 'open');
        await pause(1000);
        const listed = await chooserCellsOfColours(page, colours);
        // Newest first: the child's own before the supplied ones.
        const own = Math.min(pictures.length, 4);
        expect(listed === own, `the chooser shows ${listed} of the child's ${pictures.length} pictures among its first four`);
    });

    await step(page, 'with the server stopped the page starts again from its cache', async () => {
        await page.evaluate(() => navigator.serviceWorker.ready);
        server.kill();
        await pause(500);
        await startProgram(page, url, { reload: true });
        expect(await page.evaluate(() => !!navigator.serviceWorker.controller), 'the page did not come from its cache');
    });

    await step(page, 'a turned page shows the whole screen in proportion, and a stroke lands where it is drawn', async () => {
        await page.setViewport({ width: height, height: width, hasTouch: true });
        await pause(500);
        const shown = await page.evaluate(() => {
            const { x, y, width, height } = Module.canvas.getBoundingClientRect();
            return { x, y, width, height };
        });
        const k = height / width, top = (width - height * k) / 2;
        expect(shown.x === 0 && shown.width === height && Math.abs(shown.height - height * k) < 1 &&
               Math.abs(shown.y - top) < 1, `the canvas is shown at ${JSON.stringify(shown)}`);
        // Canvas pixels 600 to 800 of row 700, drawn through the smaller canvas.
        await mouseStroke(page, [[600 * k, top + 700 * k], [700 * k, top + 700 * k], [800 * k, top + 700 * k]]);
        const inked = await inkedColumns(page, 610, 790, 700);
        expect(inked > 0.95, `only ${Math.round(inked * 100)}% of the stroke's columns have ink`);
    });

    await step(page, 'on a screen of two device pixels a CSS pixel the canvas has them all', async () => {
        await page.setViewport({ width, height, deviceScaleFactor: 2, hasTouch: true });
        await startProgram(page, url, { reload: true });
        const size = await page.evaluate(() => [Module.canvas.width, Module.canvas.height]);
        expect(size[0] === 2 * width && size[1] === 2 * height, `the canvas is ${size.join('x')}`);
    });
} finally {
    await browser.close();
    server.kill();
    if (!failures.length) rmSync(work, { recursive: true, force: true });
}
console.log(failures.length ? `${failures.length} step(s) failed` : 'all steps passed');
process.exit(failures.length ? 1 : 0);
