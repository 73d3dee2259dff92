// Printing and the grown-ups' download in the browser, as a child and a parent would use them: a dark stroke,
// the files page's print button with the dialog's opening recorded, the printout made for real by Chromium's
// print to PDF and read back with poppler; then the save button, Ctrl+Shift+S, and the downloaded PNG read
// back with Pillow. Every picture is compared with what the screen shows.
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

// The frame's controls on a screen of 1280 × 800 (base/frame_layout.cpp), and the message box's OK.
const at = {
    brushes: [25, 211],
    files: [25, 420],
    firstOption: [76, 18],  // the pen on the first brushes page
    save: [111, 18],
    print: [146, 18],
    widest: [325, 64],
    darkBlue: [12, 45],
    darkestShade: [35, 180],
    boxCaption: [640, 350],
    ok: [640, 434],
};
// The picture's pixels on the screen: inside the canvas window's border, up to the screen's edges.
const picture = { x: 52, y: 74, width: 1228, height: 726 };
// The saved picture is the whole canvas window, two columns and rows more than are seen.
const savedSize = [1230, 728];

// The paper in PDF points and as poppler rasterises it at 240 dpi (Chromium rounds A4 to 594.96 × 841.92),
// the page image inside a quarter inch (60 pixels) all round, and the picture across its width in proportion.
const pages = {
    letter: { points: [612, 792], raster: [2040, 2640], image: [1920, 2520], printed: [1920, 1135] },
    A4: { points: [595.276, 841.89], raster: [1984, 2807], image: [1864, 2686], printed: [1864, 1102] },
};
const paperChoices = [
    ['en-US', 'letter'], ['en-CA', 'letter'], ['fr-CA', 'letter'], ['es-MX', 'letter'], ['en-PH', 'letter'],
    ['en', 'letter'], ['en-GB', 'A4'], ['de-DE', 'A4'], ['fr', 'A4'], ['es', 'A4'], ['pt-BR', 'A4'],
    ['zh-CN', 'A4'], ['', 'A4'],
];

// Pillow compares the pictures: the share of pixels differing by more than 8 in some channel, after
// the larger one is sampled down at the smaller one's pixel centres.
const compare = `
import json, sys
from PIL import Image, ImageChops

def load(path):
    return Image.open(path).convert('RGB')

def differing(a, b):
    if a.size != b.size:
        a = a.resize(b.size, Image.NEAREST)
    bands = ImageChops.difference(a, b).split()
    worst = ImageChops.lighter(ImageChops.lighter(bands[0], bands[1]), bands[2])
    return worst.point(lambda v: 255 if v > 8 else 0).histogram()[255] / (b.size[0] * b.size[1])

def inked(image):
    return image.convert('L').point(lambda v: 255 if v < 200 else 0).histogram()[255]

report = []
for kind, path, *rest in json.loads(sys.argv[1]):
    image = load(path)
    if kind == 'size':
        report.append(image.size)
    elif kind == 'differing':
        report.append(differing(image.crop(tuple(rest[1])), load(rest[0])))
    elif kind == 'inked':
        report.append(inked(image.crop(tuple(rest[0]))))
print(json.dumps(report))
`;

function pillow(requests) {
    return JSON.parse(execFileSync('/usr/bin/python3', ['-c', compare, JSON.stringify(requests)], { encoding: 'utf8' }));
}

const pause = (ms) => new Promise((wait) => setTimeout(wait, ms));
const click = (page, [x, y]) => page.mouse.click(x, y);

async function screenPicture(page, path) {
    await page.screenshot({ path, clip: { ...picture } });
}

// A dark blue stroke with the widest pen, whatever the checks before left chosen.
async function drawStroke(page) {
    for (const control of ['brushes', 'firstOption', 'widest', 'darkBlue', 'darkestShade']) {
        await click(page, at[control]);
        await pause(150);
    }
    await page.mouse.move(400, 250);
    await page.mouse.down();
    for (let x = 400; x <= 900; x += 10) await page.mouse.move(x, 250 + (x - 400) / 2);
    await page.mouse.up();
    await pause(300);
}

async function checkPrinting(page, folder, log) {
    const choices = await page.evaluate((languages) => languages.map((l) => Module.printPaper(l)), paperChoices.map((c) => c[0]));
    const wrong = paperChoices.filter(([, paper], i) => choices[i] !== paper);
    if (wrong.length) throw new Error(`wrong paper for ${wrong.map(([l, p]) => `"${l}" (not ${p})`).join(', ')}`);
    const language = await page.evaluate(() => navigator.language);
    const paper = paperChoices.find(([l]) => l === language)?.[1];
    if (!paper) throw new Error(`no paper expected for the browser's language ${language}`);
    const expected = pages[paper];

    await page.evaluate(() => {
        window.dabPrintDialogs = 0;
        window.dabPrint = window.print;
        window.print = () => { window.dabPrintDialogs++; };
    });
    await drawStroke(page);
    const screen = join(folder, 'screen.png');
    await screenPicture(page, screen);

    await click(page, at.files);
    await pause(300);
    const pressed = Date.now();
    await click(page, at.print);
    await page.waitForFunction(() => window.dabPrintDialogs > 0, { timeout: 20000, polling: 50 })
        .catch(() => { throw new Error('the print dialog never opened'); });
    log(`print: the dialog opened ${Date.now() - pressed} ms after the press`);
    await pause(500);
    const shown = await page.evaluate(async () => {
        const element = document.getElementById('dab-print');
        if (!element) return null;
        const images = [...element.querySelectorAll('img')];
        const first = images[0];
        const bytes = first ? new Uint8Array(await (await fetch(first.src)).arrayBuffer()) : [];
        let text = '';
        for (let i = 0; i < bytes.length; i += 4096) text += String.fromCharCode(...bytes.subarray(i, i + 4096));
        return { dialogs: window.dabPrintDialogs, images: images.length, png: btoa(text),
                 size: first && [first.naturalWidth, first.naturalHeight] };
    });
    if (!shown) throw new Error('no print-only element after printing');
    if (shown.dialogs !== 1) throw new Error(`the print dialog opened ${shown.dialogs} times`);
    if (shown.images !== 1) throw new Error(`the print-only element holds ${shown.images} images, not 1`);
    if (String(shown.size) !== String(expected.image))
        throw new Error(`the page image is ${shown.size.join('×')}, not ${expected.image.join('×')} (${paper})`);
    const image = join(folder, 'page.png');
    writeFileSync(image, Buffer.from(shown.png, 'base64'));
    log(`print: the page image is ${shown.size.join('×')} (${paper}), ${Math.round(shown.png.length * 3 / 4 / 1024)} KiB of PNG`);

    const pdf = join(folder, 'printout.pdf');
    await page.pdf({ path: pdf, preferCSSPageSize: true });
    const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
    const pageCount = /^Pages:\s+(\d+)/m.exec(info)?.[1];
    const pageSize = /^Page size:\s+([\d.]+) x ([\d.]+) pts/m.exec(info)?.slice(1).map(Number) ?? [];
    // Within a point: Chromium rounds the paper to its own units.
    if (pageCount !== '1' || pageSize.length !== 2 || pageSize.some((v, i) => Math.abs(v - expected.points[i]) > 1))
        throw new Error(`the printout has ${pageCount} pages of ${pageSize.join(' × ')} points, not 1 of ${expected.points.join(' × ')}`);
    execFileSync('pdftoppm', ['-r', '240', '-singlefile', '-png', pdf, join(folder, 'printout')]);
    const raster = join(folder, 'printout.png');

    const [iw, ih] = expected.image, [pw, ph] = expected.printed;
    const left = (expected.raster[0] - iw) / 2, top = 60;  // centred below the top margin
    const [rasterSize, ...measured] = pillow([
        ['size', raster],
        ['differing', raster, image, [left, top, left + iw, top + ih]],
        ['differing', image, screen, [0, 0, pw, ph]],
        ['differing', raster, screen, [left, top, left + pw, top + ph]],
        ['inked', screen, [0, 0, picture.width, picture.height]],
        ['inked', image, [0, ph + 1, iw, ih]],
        ['inked', raster, [0, 0, expected.raster[0], top]],
        ['inked', raster, [left, top, left + pw, top + ph]],
    ]);
    if (String(rasterSize) !== String(expected.raster))
        throw new Error(`the printout at 240 dpi is ${rasterSize.join('×')}, not ${expected.raster.join('×')}`);
    const [printoutAgainstImage, imageAgainstScreen, printoutAgainstScreen, marks, below, above, printed] = measured;
    const figures = {
        'printout against the page image': printoutAgainstImage,
        'page image against the screen': imageAgainstScreen,
        'printout against the screen': printoutAgainstScreen,
    };
    // The page image is the screen's picture enlarged by whole pixels; the printout passes through the PDF's
    // own resampling, which moves the edges of thin lines by a pixel: more of them, the more the child drew.
    const allowed = { 'page image against the screen': 0.005 };
    for (const [what, share] of Object.entries(figures)) {
        log(`print: ${what}: ${(share * 100).toFixed(2)}% of pixels differ`);
        if (share > (allowed[what] ?? 0.02)) throw new Error(`${what}: ${(share * 100).toFixed(2)}% of the pixels differ`);
    }
    if (marks < 1000) throw new Error(`the stroke left only ${marks} dark pixels on the screen`);
    // The dark pixels of the screen's picture, each printed on as many as the enlargement gives it.
    const ink = printed / (marks * (pw / picture.width) * (ph / picture.height));
    log(`print: ${marks} dark pixels on the screen, ${(ink * 100).toFixed(1)}% of their area printed`);
    // Thin lines drawn before the check gain grey edges in the PDF's resampling, which count as dark.
    if (ink < 0.9 || ink > 1.2) throw new Error(`the printout has ${(ink * 100).toFixed(1)}% of the screen's dark area`);
    if (below || above) throw new Error(`marks outside the picture: ${above} above it, ${below} below it`);

    // Once printed, the page is as before.
    await page.evaluate(() => {
        window.dispatchEvent(new Event('afterprint'));
        window.print = window.dabPrint;
    });
    if (await page.$('#dab-print')) throw new Error('the print-only element stays after printing');
    return screen;
}

async function checkDownload(page, folder, screen, log) {
    const downloads = join(folder, 'downloads');
    mkdirSync(downloads);
    // Downloads go to the temporary folder while this check runs, and as before after it.
    const session = await page.browser().target().createCDPSession();
    const context = page.browserContext().id ? { browserContextId: page.browserContext().id } : {};
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads, ...context });
    try {
        await downloadSavedPicture(page, downloads, screen, log);
    } finally {
        await session.send('Browser.setDownloadBehavior', { behavior: 'default', ...context });
        await session.detach();
    }
}

async function downloadSavedPicture(page, downloads, screen, log) {
    await click(page, at.files);
    await pause(300);
    await click(page, at.save);
    await page.waitForFunction(([x, y]) => {
        const canvas = document.getElementById('canvas');
        const [r, g, b] = canvas.getContext('2d').getImageData(x, y, 1, 1).data;
        return r + g + b < 600;
    }, { timeout: 10000, polling: 50 }, at.boxCaption).catch(() => { throw new Error('no box after saving'); });
    await click(page, at.ok);
    await pause(300);

    const pressed = Date.now();
    await page.keyboard.down('Control');
    await page.keyboard.down('Shift');
    await page.keyboard.press('KeyS');
    await page.keyboard.up('Shift');
    await page.keyboard.up('Control');
    let name;
    while (!name && Date.now() - pressed < 10000) {
        await pause(100);
        name = readdirSync(downloads, { withFileTypes: true }).map((entry) => entry.name).find((n) => n.endsWith('.png'));
    }
    if (!name) throw new Error('nothing was downloaded after Ctrl+Shift+S');
    log(`download: ${name} ${Date.now() - pressed} ms after the keys`);
    if (!/^dab-\d{4}-\d\d-\d\d-\d{4}\.png$/.test(name)) throw new Error(`the download is named ${name}`);
    const png = join(downloads, name);
    const [size, share, edge] = pillow([
        ['size', png],
        ['differing', png, screen, [0, 0, picture.width, picture.height]],
        ['inked', png, [picture.width, 0, savedSize[0], savedSize[1]]],
    ]);
    if (String(size) !== String(savedSize))
        throw new Error(`the downloaded picture is ${size.join('×')}, not ${savedSize.join('×')}`);
    log(`download: against the screen: ${(share * 100).toFixed(2)}% of pixels differ`);
    if (share > 0.001) throw new Error(`the downloaded picture differs from the screen in ${(share * 100).toFixed(2)}%`);
    if (edge) throw new Error(`the unseen columns of the downloaded picture hold ${edge} dark pixels`);
}

export default async function check(page, { log }) {
    const folder = mkdtempSync(join(tmpdir(), 'dab-print-'));
    try {
        const screen = await checkPrinting(page, folder, log);
        await checkDownload(page, folder, screen, log);
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
}
