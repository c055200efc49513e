// Firefox for the page driver (page_driver.py): the installed Firefox ESR,
// started by puppeteer-core over WebDriver BiDi, worked one JSON request a
// line on standard input, one JSON answer a line on standard output:
//   {"op": "goto", "url": U}            loads U
//   {"op": "preload", "source": S}      runs S in every page before its own script
//   {"op": "script", "body": B, "args": A}
//                                       the value of function body B called with arguments A
//   {"op": "click", "x": X, "y": Y, "button": "left"|"right"}
//   {"op": "key", "key": K, "alt": bool} presses K (a key name), with Alt held when asked
//   {"op": "text", "text": T}           types T, key by key
//   {"op": "shot"}                      the viewport as a PNG, base64-encoded
//   {"op": "viewport", "width": W, "height": H}
// Answers are {"ok": VALUE} or {"error": MESSAGE}. Nothing is downloaded:
// the browser is the one on the machine, named by the first argument; the
// second, a JSON object, holds preferences it starts with, and the third is
// the profile's folder (kept from one start to the next, which starts
// Firefox about a third sooner; its owner removes it).
'use strict';
const readline = require('readline');
const puppeteer = require('puppeteer-core');

async function main(executablePath, prefs, profile) {
  let browser;
  const answer = (value) => process.stdout.write(JSON.stringify(value) + '\n');
  try {
    browser = await puppeteer.launch({browser: 'firefox', executablePath, headless: true, userDataDir: profile,
                                      extraPrefsFirefox: JSON.parse(prefs || '{}'),
                                      defaultViewport: {width: 800, height: 600}});
  } catch (error) {
    answer({nobrowser: String(error.message || error).split('\n')[0]});
    return;
  }
  const page = (await browser.pages())[0] || await browser.newPage();
  await page.setViewport({width: 800, height: 600});  // the launch's default viewport does not reach this page
  answer({ok: 'started'});
  const ops = {
    goto: (r) => page.goto(r.url),
    preload: (r) => page.evaluateOnNewDocument(r.source),
    script: (r) => page.evaluate(`(function() { ${r.body}\n}).apply(null, ${JSON.stringify(r.args || [])})`),
    click: (r) => page.mouse.click(r.x, r.y, {button: r.button || 'left'}),
    key: async (r) => {
      if (r.alt) await page.keyboard.down('Alt');
      await page.keyboard.press(r.key);
      if (r.alt) await page.keyboard.up('Alt');
    },
    text: (r) => page.keyboard.type(r.text),
    shot: () => page.screenshot({encoding: 'base64'}),
    viewport: (r) => page.setViewport({width: r.width, height: r.height}),
  };
  for await (const line of readline.createInterface({input: process.stdin})) {
    const request = JSON.parse(line);
    if (request.op === 'quit') break;
    try {
      const value = await ops[request.op](request);
      answer({ok: value === undefined ? null : value});
    } catch (error) {
      answer({error: String(error.message || error).split('\n')[0]});
    }
  }
  await browser.close();
}

main(process.argv[2], process.argv[3], process.argv[4]).catch((error) => {
  process.stderr.write(`firefox_bridge: ${error.stack || error}\n`);
  process.exit(1);
});
