// node dump.mjs FILE.mdb
// Prints every user table of a Jet database as read by mdb-reader, as one JSON document:
// {"tables": [{"name": ..., "rowCount": n, "columns": [{"name": ..., "type": ...}], "rows": [[cell, ...], ...]}]}
// Cells: numbers as JSON numbers (doubles in their shortest exact form), currency as mdb-reader's decimal text,
// booleans, texts, null.
import { readFileSync } from "node:fs";
import MDBReader from "mdb-reader";

if (process.argv.length !== 3) {
    console.error("usage: node dump.mjs FILE.mdb");
    process.exit(2);
}
const reader = new MDBReader(readFileSync(process.argv[2]));
const tables = reader.getTableNames().map((name) => {
    const table = reader.getTable(name);
    const columns = table.getColumns();
    const rows = table.getData().map((row) => columns.map((column) => row[column.name]));
    return {
        name,
        rowCount: table.rowCount,
        columns: columns.map((column) => ({ name: column.name, type: column.type })),
        rows,
    };
});
process.stdout.write(JSON.stringify({ tables }) + "\n");
