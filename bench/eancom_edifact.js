// eancom_edifact.js - the npm package "edifact" parsing an interchange into
// segments with its fastest API (callbacks set as methods of the Parser,
// no validator), best of three runs; run by bench/eancom.
//   node eancom_edifact.js MODULES_FOLDER FILE
'use strict';
const path = require('path');
const fs = require('fs');
const Parser = require(path.join(process.argv[2], 'edifact', 'parser.js'));
const text = fs.readFileSync(process.argv[3], 'latin1');
let best = Infinity, segments = 0, components = 0;
for (let run = 0; run < 3; run++) {
  const parser = new Parser();
  parser.encoding('UNOC');   // the file's syntax identifier (UNB)
  let s = 0, c = 0;
  parser.onopensegment = function () { s++; };
  parser.onelement = function () {};
  parser.oncomponent = function () { c++; };
  parser.onclosesegment = function () {};
  const t0 = process.hrtime.bigint();
  parser.write(text);
  parser.end();
  const ms = Number(process.hrtime.bigint() - t0) / 1e6;
  if (ms < best) best = ms;
  segments = s;
  components = c;
}
console.log(`RESULT edifact_ms=${best.toFixed(3)} segments=${segments} components=${components}`);
