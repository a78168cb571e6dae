#include <filesystem>
#include <memory>

#include <mdbsql.h>

#include "platform/office/Mdb.h"
#include "platform/office/OfficeError.h"

namespace office {
namespace {

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
    }
    MdbSQL* get() const { return sql_.get(); }

private:
    std::unique_ptr<MdbSQL, void (*)(MdbSQL*)> sql_;
};

MdbSQLColumn* Column(MdbSQL* sql, unsigned i)
{
    return static_cast<MdbSQLColumn*>(g_ptr_array_index(sql->columns, i));
}

}  // namespace

QueryResult QueryMdb(const std::string& fileName, const std::string& sql)
{
    SqlSession session(fileName);
    MdbSQL* s = session.get();
    mdb_sql_run_query(s, sql.c_str());
    if (mdb_sql_has_error(s) || !s->cur_table) {
        const std::string why = mdb_sql_has_error(s) ? mdb_sql_last_error(s) : "The query gives no table.";
        mdb_sql_reset(s);
        RefuseRead("database", fileName, "The query \"" + sql + "\" fails: " + why);
    }
    QueryResult result;
    for (unsigned i = 0; i < s->num_columns; ++i) {
        const char* name = Column(s, i)->name;
        result.fields.emplace_back(name ? name : "");
    }
    mdb_sql_bind_all(s);
    while (mdb_sql_fetch_row(s, s->cur_table)) {
        std::vector<std::string>& row = result.rows.emplace_back();
        for (unsigned i = 0; i < s->num_columns; ++i) {
            const auto* value = static_cast<const char*>(Column(s, i)->bind_addr);
            row.emplace_back(value ? value : "");
        }
    }
    mdb_sql_reset(s);
    return result;
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
