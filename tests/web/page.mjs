// What the browser check and the benchmark share: a static server for the site, and the page's program
// started as a child starts it and waited for.
import { spawn } from 'node:child_process';

export const pause = (milliseconds) => new Promise((wait) => setTimeout(wait, milliseconds));

// python3's own server on a port the system picks; resolves with the server and its port.
export function serve(folder) {
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

// The program shows a frame by putting the screen's pixels into the canvas: counted, with the time of the
// last one.
function countFrames() {
    const put = CanvasRenderingContext2D.prototype.putImageData;
    window.dabFrames = 0;
    CanvasRenderingContext2D.prototype.putImageData = function (...args) {
        window.dabFrames++;
        window.dabLastFrame = performance.now();
        return put.apply(this, args);
    };
}

const counted = new WeakSet();

// Loads (or reloads) the page, presses the start button and waits for the whole first frame: the white
// picture in the middle of the screen, then no new frame for a second. Resolves with the times, in the
// page's clock, of the start button's being ready, its press and the last frame.
export async function startProgram(page, url, { reload = false, tap = false } = {}) {
    if (!counted.has(page)) {
        await page.evaluateOnNewDocument(countFrames);
        counted.add(page);
    }
    if (reload)
        await page.reload({ waitUntil: 'load' });
    else
        await page.goto(url, { waitUntil: 'load' });
    await page.waitForSelector('#start:not([disabled])', { timeout: 120000 });
    const ready = await page.evaluate(() => performance.now());
    await (tap ? page.tap('#start') : page.click('#start'));
    const pressed = await page.evaluate(() => performance.now());
    await page.waitForFunction(() => {
        const canvas = document.getElementById('canvas');
        const [r, g, b] = canvas.getContext('2d').getImageData(canvas.width >> 1, canvas.height >> 1, 1, 1).data;
        return r === 255 && g === 255 && b === 255;
    }, { timeout: 120000, polling: 50 });
    await page.waitForFunction(() => performance.now() - window.dabLastFrame > 1000, { timeout: 120000, polling: 100 });
    const lastFrame = await page.evaluate(() => window.dabLastFrame);
    return { ready, pressed, lastFrame };
}

// Does what act does, then waits until the program has shown a frame after it.
export async function waitForFrame(page, act) {
    const before = await page.evaluate(() => window.dabFrames);
    await act();
    await page.waitForFunction((count) => window.dabFrames > count, { timeout: 10000, polling: 'raf' }, before);
}

// The canvas's pixels in a rectangle, RGBA, carried out of the page as base64.
export async function canvasPixels(page, x, y, width, height) {
    const base64 = await page.evaluate((x, y, width, height) => {
        const canvas = document.getElementById('canvas');
        const data = canvas.getContext('2d').getImageData(x, y, width, height).data;
        let text = '';
        for (let at = 0; at < data.length; at += 0x8000) text += String.fromCharCode(...data.subarray(at, at + 0x8000));
        return btoa(text);
    }, x, y, width, height);
    return { width, height, data: Buffer.from(base64, 'base64') };
}
