#!/usr/bin/env node
// Writes keys/card/Networks.cpp: the networks of bank cards by the first
// digits of their numbers (the issuer identification number ranges).
//
// The ranges are those of the npm package credit-card-type 10.3.0 (MIT
// licence), which gathers the networks' published ranges. A number belongs to
// the network whose matching range is the longest (the first network in the
// package's order among equals); a range [A, B] is matched on as many leading
// digits as A has.
//
// Run it after installing the package in a scratch folder:
//     npm install --no-save credit-card-type@10.3.0
//     node tools/make_card_networks.mjs path/to/node_modules

import { createRequire } from "node:module";
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const root = resolve(dirname(fileURLToPath(import.meta.url)), "..");
const output = join(root, "keys", "card", "Networks.cpp");
const modules = resolve(process.argv[2] ?? "node_modules");
const require = createRequire(join(modules, "index.js"));
const cardTypes = require(join(modules, "credit-card-type", "dist", "lib", "card-types.js"));
const version = JSON.parse(readFileSync(join(modules, "credit-card-type", "package.json"), "utf8")).version;

const ranges = [];
const networks = [];
for (const type of Object.values(cardTypes)) {
  const network = networks.length;
  networks.push(type.niceType);
  let lengths = 0;
  for (const length of type.lengths) lengths |= 1 << length;
  for (const pattern of type.patterns) {
    const [first, last] = Array.isArray(pattern) ? pattern.map(String) : [String(pattern), String(pattern)];
    if (first.length !== last.length) throw new Error(`${type.niceType}: ${first}-${last}`);
    ranges.push({ first, last, network, lengths });
  }
}
ranges.sort((a, b) => b.first.length - a.first.length || a.network - b.network || a.first.localeCompare(b.first));

const literal = (text) => JSON.stringify(text);
const lines = [
  "// The bank card networks by the first digits of the card number: the",
  `// issuer identification number ranges of npm credit-card-type ${version} (MIT`,
  "// licence). Longest ranges first, so that the first match is the most precise;",
  "// among ranges of one length, the networks in the package's order.",
  "// Written by tools/make_card_networks.mjs; edit that script, not this file.",
  '#include "NetworkTable.h"',
  "",
  '#include "common/DataSets.h"',
  "",
  "namespace ferrino {",
  "",
  "const DataSet kCardNetworksDataSet = {",
  '    "R\\303\\251seaux des cartes bancaires (plages IIN)",',
  `    "credit-card-type ${version} (${networks.length} r\\303\\251seaux, ${ranges.length} plages)",`,
  '    "MIT",',
  '    "credit-card-type",',
  "};",
  "",
  "namespace {",
  "",
  "constexpr std::string_view kNetworks[] = {",
  ...networks.map((name) => `    ${literal(name)},`),
  "};",
  "",
  "constexpr CardRange kRanges[] = {",
  ...ranges.map((r) => `    {${literal(r.first)}, ${literal(r.last)}, ${r.network}, 0x${r.lengths.toString(16)}},  // ${networks[r.network]}`),
  "};",
  "",
  "}  // namespace",
  "",
  "std::span<const std::string_view> CardNetworkNames() { return kNetworks; }",
  "std::span<const CardRange> CardRanges() { return kRanges; }",
  "",
  "}  // namespace ferrino",
  "",
];
writeFileSync(output, lines.join("\n"));
console.log(`${output}: ${networks.length} networks, ${ranges.length} ranges`);
