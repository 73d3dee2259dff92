// The music in the page: after the start-up sound the first tune's recording is opened and heard, 10 to 14
// dB (RMS) below the start-up sound as on the desktop (tests/smoke/run-music-level). prepare() listens to
// what SDL's audio hands the browser and notes the files the program opens, from before the page loads.

// Called by the harness before the navigation.
export async function prepare(page) {
    await page.evaluateOnNewDocument(() => {
        const heard = { blocks: [], opened: [] };
        window.dabHeard = heard;
        // SDL2 fills each ScriptProcessorNode buffer in its handler: measure the buffer once it is filled.
        const handler = Object.getOwnPropertyDescriptor(ScriptProcessorNode.prototype, 'onaudioprocess');
        Object.defineProperty(ScriptProcessorNode.prototype, 'onaudioprocess', {
            configurable: true,
            get() { return handler.get.call(this); },
            set(fill) {
                handler.set.call(this, fill && function (event) {
                    fill.call(this, event);
                    const output = event.outputBuffer;
                    let squares = 0;
                    for (let c = 0; c < output.numberOfChannels; c++) {
                        for (const sample of output.getChannelData(c)) squares += sample * sample;
                    }
                    heard.blocks.push({ at: performance.now(), seconds: output.duration,
                                        squares: squares / output.numberOfChannels, samples: output.length });
                });
            },
        });
        // The program's file system, emscripten's FS, is a global of dab.js: note every path it opens.
        let fs;
        Object.defineProperty(window, 'FS', {
            configurable: true,
            get() { return fs; },
            set(value) {
                fs = value;
                const open = value.open;
                value.open = function (path, ...rest) {
                    if (typeof path === 'string') heard.opened.push({ path, at: performance.now() });
                    return open.call(this, path, ...rest);
                };
            },
        });
    });
}

// RMS level in dBFS of the blocks that began within [from, to) milliseconds of the page's clock.
function level(blocks, from, to) {
    let squares = 0, samples = 0;
    for (const block of blocks) {
        if (block.at < from || block.at >= to) continue;
        squares += block.squares;
        samples += block.samples;
    }
    return samples ? 10 * Math.log10(squares / samples) : -Infinity;
}

export default async function check(page, { log }) {
    // The program opens dab1.mid by its bare name in its folder, /dab; the mixer then the recording beside it.
    const tune = await page.waitForFunction(
        () => window.dabHeard.opened.find((file) => /\.ogg$/i.test(file.path)),
        { timeout: 20000, polling: 100 }).then((found) => found.jsonValue()).catch(() => null);
    if (!tune) throw new Error('no recording of a tune was opened within 20 s of the first frame');
    if (!/^(\/dab\/)?dab1\.ogg$/.test(tune.path)) throw new Error(`the first tune opened is ${tune.path}, not dab1.ogg`);
    // Measured as the desktop's are: the start-up sound's first 2 seconds from its first sound, and the
    // music from 2.5 to 10 seconds after that sound began.
    const first = await page.evaluate(() => window.dabHeard.blocks.find((block) => block.squares / block.samples > 1e-5));
    if (!first || first.at > tune.at) throw new Error('the start-up sound was not heard before the tune');
    if (tune.at > first.at + 2500) {
        throw new Error(`the tune was opened ${((tune.at - first.at) / 1000).toFixed(1)} s after the start-up sound began`);
    }
    await page.waitForFunction((until) => {
        const blocks = window.dabHeard.blocks;
        return blocks[blocks.length - 1].at > until;
    }, { timeout: 20000, polling: 200 }, first.at + 10000).catch(() => {
        throw new Error('the page\'s audio stopped before 10 seconds had played');
    });
    const blocks = await page.evaluate(() => window.dabHeard.blocks);
    const sound = level(blocks, first.at, first.at + 2000);
    const music = level(blocks, first.at + 2500, first.at + 10000);
    log(`music: ${tune.path} opened ${((tune.at - first.at) / 1000).toFixed(2)} s after the start-up sound began`);
    log(`music: start-up sound ${sound.toFixed(1)} dBFS, music ${music.toFixed(1)} dBFS`);
    if (music < -60) throw new Error(`the tune is silent in the page (${music.toFixed(1)} dBFS)`);
    const gap = sound - music;
    log(`music: ${gap.toFixed(1)} dB below the start-up sound`);
    if (gap < 10 || gap > 14) throw new Error(`the music is ${gap.toFixed(1)} dB below the start-up sound, not 10 to 14`);
}
