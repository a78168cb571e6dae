#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <mdbsql.h>

#include "platform/office/Mdb.h"
#include "platform/office/OfficeError.h"

namespace office {
namespace {

// Dates come from libmdb in this form and are read back into serial day numbers, so that they are
// shown as the program shows dates (libmdb's own default depends on the process locale and
// shows two-digit years).
constexpr const char* kDateFormat = "%Y-%m-%dT%H:%M:%S";

// The SQL layer of one call: opened on the file, closed with everything it holds at the end.
class SqlSession {
public:
    explicit SqlSession(const std::string& fileName) : sql_(mdb_sql_init(), &mdb_sql_exit)
    {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(fileName, ec))
            RefuseRead("database", fileName, "The file does not exist.");
        if (!mdb_sql_open(sql_.get(), const_cast<char*>(fileName.c_str())))
            RefuseRead("database", fileName, "It is no database file or it is damaged.");
        mdb_set_date_fmt(sql_->mdb, kDateFormat);
        mdb_set_shortdate_fmt(sql_->mdb, kDateFormat);
    }
    MdbSQL* get() const { return sql_.get(); }

private:
    std::unique_ptr<MdbSQL, void (*)(MdbSQL*)> sql_;
};

MdbSQLColumn* Column(MdbSQL* sql, unsigned i)
{
    return static_cast<MdbSQLColumn*>(g_ptr_array_index(sql->columns, i));
}

// The table column behind a result column (libmdb matches them by name, ignoring case), or
// nullptr.
const MdbColumn* TableColumn(const MdbTableDef* table, const char* name)
{
    for (unsigned i = 0; name && i < table->num_cols; ++i) {
        const auto* col = static_cast<const MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (g_ascii_strcasecmp(col->name, name) == 0)
            return col;
    }
    return nullptr;
}

Cell ValueCell(const char* text, bool date)
{
    Cell cell;
    cell.Text = text;
    // A date libmdb cannot place (before 1899-12-30, after 2700) comes as day 0 and stays text.
    if (date && IsoDateToSerial(cell.Text, cell.Number)) {
        cell.Kind = CellKind::Date;
        cell.Text.clear();
    }
    return cell;
}

// Ends a query. libmdbsql leaves the condition tree of a WHERE clause on its parse stack (the table
// points at it too), and its reset frees the stack's links but not the tree: the tree is freed
// here, once, and no pointer to it is left behind for the reset or a later library to free again.
void EndQuery(MdbSQL* s)
{
    for (GList* l = s->sarg_stack; l; l = l->next) {
        auto* node = static_cast<MdbSargNode*>(l->data);
        if (!node || node == s->sarg_tree)
            continue;
        if (s->cur_table && s->cur_table->sarg_tree == node)
            s->cur_table->sarg_tree = nullptr;
        mdb_sql_free_tree(node);
    }
    g_list_free(s->sarg_stack);
    s->sarg_stack = nullptr;
    mdb_sql_reset(s);
}

}  // namespace

QueryResult QueryMdb(const std::string& fileName, const std::string& sql)
{
    SqlSession session(fileName);
    MdbSQL* s = session.get();
    mdb_sql_run_query(s, sql.c_str());
    if (mdb_sql_has_error(s) || !s->cur_table) {
        const std::string why = mdb_sql_has_error(s) ? mdb_sql_last_error(s) : "The query gives no table.";
        EndQuery(s);
        RefuseRead("database", fileName, "The query \"" + sql + "\" fails: " + why);
    }
    QueryResult result;
    for (unsigned i = 0; i < s->num_columns; ++i) {
        const char* name = Column(s, i)->name;
        result.fields.emplace_back(name ? name : "");
    }
    // libmdb copies each row's values as text into the buffer bound to each table column (the
    // query binds them; they are bound here when it did not).
    auto bound = [s](unsigned i) {
        const MdbColumn* col = TableColumn(s->cur_table, Column(s, i)->name);
        return col && col->bind_ptr ? col : nullptr;
    };
    for (unsigned i = 0; i < s->num_columns; ++i)
        if (!bound(i)) {
            mdb_sql_bind_all(s);
            break;
        }
    std::vector<const char*> buffers;
    std::vector<bool> dates;
    for (unsigned i = 0; i < s->num_columns; ++i) {
        const MdbColumn* col = bound(i);
        buffers.push_back(col ? static_cast<const char*>(col->bind_ptr) : nullptr);
        dates.push_back(col && col->col_type == MDB_DATETIME);
    }
    while (mdb_sql_fetch_row(s, s->cur_table)) {
        std::vector<Cell>& row = result.rows.emplace_back();
        for (unsigned i = 0; i < s->num_columns; ++i)
            row.push_back(ValueCell(buffers[i] ? buffers[i] : "", dates[i]));
    }
    EndQuery(s);
    return result;
}

std::string MdbTableQuery(const std::string& table)
{
    const bool bracketed = table.size() >= 2 && table.front() == '[' && table.back() == ']';
    return "SELECT * FROM " + (bracketed ? table : "[" + table + "]");
}

std::vector<std::string> MdbTableNames(const std::string& fileName)
{
    SqlSession session(fileName);
    MdbHandle* mdb = session.get()->mdb;
    std::vector<std::string> names;
    if (!mdb_read_catalog(mdb, MDB_TABLE))
        RefuseRead("database", fileName, "Its table catalog cannot be read.");
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            names.emplace_back(entry->object_name);
    }
    return names;
}

}  // namespace office
