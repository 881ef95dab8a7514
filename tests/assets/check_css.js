// Checks stylesheets with css-tree: every parse error, and every
// declaration whose property is unknown or whose value does not fit the
// property's grammar, is printed as FILE:LINE:COLUMN: MESSAGE.
//   node check_css.js FILE.css ...
// Exits 1 on any; 77 (skipped) where css-tree is not installed
// (scripts/install_test_deps.sh installs it into this folder).
'use strict';
const fs = require('node:fs');

let csstree;
try {
  csstree = require('css-tree');
} catch (error) {
  console.log('css-tree is not installed (scripts/install_test_deps.sh): skipped');
  process.exit(77);
}

// css-tree cannot match a value holding var() against the grammar: the
// value is only known once the custom property is.
function usesVar(value) {
  return csstree.find(value, (node) =>
    node.type === 'Function' && node.name.toLowerCase() === 'var') !== null;
}

let faults = 0;
function fault(file, line, column, message) {
  faults++;
  console.log(`${file}:${line}:${column}: ${message.split('\n')[0]}`);
}

for (const file of process.argv.slice(2)) {
  const sheet = csstree.parse(fs.readFileSync(file, 'utf8'), {
    positions: true,
    onParseError: (error) =>
      fault(file, error.line, error.column, error.message),
  });
  csstree.walk(sheet, {
    visit: 'Declaration',
    enter: (node) => {
      if (node.property.startsWith('--') || usesVar(node.value)) return;
      const match = csstree.lexer.matchDeclaration(node);
      if (match.error) {
        fault(file, node.loc.start.line, node.loc.start.column,
              `${node.property}: ${match.error.message}`);
      }
    },
  });
}
process.exit(faults > 0 ? 1 : 0);
