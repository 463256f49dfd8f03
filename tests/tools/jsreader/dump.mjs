// node dump.mjs FILE.mdb: every user table as mdb-reader reads it, as one JSON document
// {"tables": [{"name", "rowCount", "columns": [{"name", "type"}], "rows": [[cell, ...], ...]}]}.
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
    return { name, rowCount: table.rowCount, columns: columns.map(({ name, type }) => ({ name, type })), rows };
});
process.stdout.write(JSON.stringify({ tables }) + "\n");
