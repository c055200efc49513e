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
// Answers are {"ok": VALUE} or {"error": MESSAGE}. Nothing is downloaded:
// the browser is the one on the machine, named by the first argument.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const readline = require('readline');
const puppeteer = require('puppeteer-core');

async function main(executablePath) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'radixel-firefox-'));
  let browser;
  const answer = (value) => process.stdout.write(JSON.stringify(value) + '\n');
  try {
    browser = await puppeteer.launch({browser: 'firefox', executablePath, headless: true, userDataDir: profile,
                                      defaultViewport: {width: 800, height: 600}});
  } catch (error) {
    fs.rmSync(profile, {recursive: true, force: true});
    answer({nobrowser: String(error.message || error).split('\n')[0]});
    return;
  }
  const page = (await browser.pages())[0] || await browser.newPage();
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
  fs.rmSync(profile, {recursive: true, force: true});
}

main(process.argv[2]).catch((error) => {
  process.stderr.write(`firefox_bridge: ${error.stack || error}\n`);
  process.exit(1);
});
