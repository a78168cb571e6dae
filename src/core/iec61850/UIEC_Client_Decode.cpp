#include "core/iec61850/UIEC_Client_Decode.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "core/iec61850/IecTexts.h"
#include "core/iec61850/SclSource.h"
#include "core/tables/TableTexts.h"

namespace iec {

// ---- destruction: what a list owns goes last element first

namespace {

template <class T>
void Destroy_Last_First(std::vector<std::unique_ptr<T>>& list)
{
    while (!list.empty())
        list.pop_back();
}

}  // namespace

TIEC_DA::~TIEC_DA()
{
    Destroy_Last_First(List_DA);
}

TIEC_DO::~TIEC_DO()
{
    Destroy_Last_First(List_DA);
    Destroy_Last_First(List_DO);
}

TIEC_LN::~TIEC_LN()
{
    // The data sets borrow attributes of the data objects: they go first.
    Destroy_Last_First(List_DataSet);
    Destroy_Last_First(List_DO);
}

TIEC_LDevice::~TIEC_LDevice()
{
    Destroy_Last_First(List_LN);
}

TIEC_Device::~TIEC_Device()
{
    // Data sets may borrow attributes of other logical devices: every data set goes before any
    // data object.
    for (auto& ld : List_LDevice)
        for (auto& ln : ld->List_LN)
            Destroy_Last_First(ln->List_DataSet);
    Destroy_Last_First(List_LDevice);
}

// ---- look-ups

TIEC_DA* TIEC_DA::Find_DA(std::string_view name) const
{
    for (const auto& da : List_DA) {
        if (da->fName == name)
            return da.get();
        if (TIEC_DA* found = da->Find_DA(name))
            return found;
    }
    return nullptr;
}

TIEC_DA* TIEC_DA::Find_First_DA() const
{
    if (List_DA.empty())
        return nullptr;
    TIEC_DA* first = List_DA.front().get();
    return first->List_DA.empty() ? first : first->Find_First_DA();
}

TIEC_DO* TIEC_DO::Find_DO(std::string_view name) const
{
    for (const auto& d : List_DO) {
        if (d->fName == name)
            return d.get();
        if (TIEC_DO* found = d->Find_DO(name))
            return found;
    }
    return nullptr;
}

TIEC_DA* TIEC_DO::Find_DA(std::string_view name) const
{
    for (const auto& da : List_DA) {
        if (da->fName == name)
            return da.get();
        if (TIEC_DA* found = da->Find_DA(name))
            return found;
    }
    return nullptr;
}

TIEC_DA* TIEC_DO::Find_First_DA() const
{
    if (List_DA.empty())
        return nullptr;
    TIEC_DA* first = List_DA.front().get();
    return first->List_DA.empty() ? first : first->Find_First_DA();
}

TIEC_DO* TIEC_LN::Find_DO(std::string_view name) const
{
    for (const auto& d : List_DO) {
        if (d->fName == name)
            return d.get();
        if (TIEC_DO* found = d->Find_DO(name))
            return found;
    }
    return nullptr;
}

TIEC_LN* TIEC_LDevice::Find_LN(std::string_view lnClass) const
{
    for (const auto& ln : List_LN)
        if (ln->flnClass == lnClass)
            return ln.get();
    return nullptr;
}

TIEC_LDevice* TIEC_Device::Find_LDevice(std::string_view name) const
{
    for (const auto& ld : List_LDevice)
        if (ld->fName == name)
            return ld.get();
    return nullptr;
}

namespace {

void Forget(TIEC_DA& da)
{
    da.TreeNode = nullptr;
    for (auto& c : da.List_DA)
        Forget(*c);
}

void Forget(TIEC_DO& d)
{
    d.TreeNode = nullptr;
    for (auto& s : d.List_DO)
        Forget(*s);
    for (auto& da : d.List_DA)
        Forget(*da);
}

}  // namespace

void TIEC_Device::ForgetTreeNodes()
{
    TreeNode = nullptr;
    for (auto& ld : List_LDevice) {
        ld->TreeNode = nullptr;
        for (auto& ln : ld->List_LN) {
            ln->TreeNode = nullptr;
            for (auto& d : ln->List_DO)
                Forget(*d);
            for (auto& ds : ln->List_DataSet)
                ds->TreeNode = nullptr;
        }
    }
}

// ---- decoding

namespace {

constexpr std::size_t kMaxNotes = 20;

// An attribute's value, or nothing when the element has no such attribute.
std::optional<std::string_view> Value(const pugi::xml_node& e, const char* name)
{
    const pugi::xml_attribute a = e.attribute(name);
    if (!a)
        return std::nullopt;
    return std::string_view(a.value());
}

std::string Attr(const pugi::xml_node& e, const char* name)
{
    return std::string(Value(e, name).value_or(std::string_view()));
}

// Every definition of one type id, in document order, and whether it is being expanded higher up.
struct TypeEntry {
    std::vector<pugi::xml_node> Defs;
    bool Expanding = false;
};
using TypeMap = std::unordered_map<std::string_view, TypeEntry>;

// The type definitions of DataTypeTemplates by kind and id, found in one walk, so that a look-up
// costs the same however many templates the file holds. Every definition with the id counts.
class SclTypes {
public:
    explicit SclTypes(const pugi::xml_node& templates)
    {
        for (pugi::xml_node e = templates.first_child(); e; e = e.next_sibling()) {
            const std::string_view kind = e.name();
            TypeMap* map = kind == "LNodeType" ? &lnTypes_
                           : kind == "DOType"  ? &doTypes_
                           : kind == "DAType"  ? &daTypes_
                                               : nullptr;
            if (map == nullptr || e.type() != pugi::node_element)
                continue;
            if (const auto id = Value(e, "id"))
                (*map)[*id].Defs.push_back(e);
        }
    }
    TypeEntry* LNodeType(std::string_view id) { return Find(lnTypes_, id); }
    TypeEntry* DOType(std::string_view id) { return Find(doTypes_, id); }
    TypeEntry* DAType(std::string_view id) { return Find(daTypes_, id); }

private:
    static TypeEntry* Find(TypeMap& map, std::string_view id)
    {
        const auto it = map.find(id);
        return it == map.end() ? nullptr : &it->second;
    }
    TypeMap lnTypes_, doTypes_, daTypes_;
};

// The child elements in document order (comments and text are passed over).
template <class Visit>
void Each_Element(const pugi::xml_node& e, Visit visit)
{
    for (pugi::xml_node c = e.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && !visit(c))
            return;
}

// Marks a type as being expanded for the life of the guard.
class Expanding {
public:
    explicit Expanding(TypeEntry& entry) : entry_(entry) { entry_.Expanding = true; }
    ~Expanding() { entry_.Expanding = false; }
    Expanding(const Expanding&) = delete;
    Expanding& operator=(const Expanding&) = delete;

private:
    TypeEntry& entry_;
};

// One decode of one file into one device: the two passes, the type look-ups, the bounds, and the
// indexes that resolve data-set members in time linear in the model. Each object takes its own
// share of the budget before its children are decoded, so a model cut at the budget keeps
// everything decoded up to that point.
class Decoder {
public:
    Decoder(TIEC_Device& device, std::size_t budget, int maxDepth)
        : device_(device), budget_(budget), maxDepth_(maxDepth)
    {}

    void Decode_Device(const SclSource& source);

private:
    bool Decode_LDevice(TIEC_LDevice& ld, const pugi::xml_node& e, const std::string& prefix, bool DataSetSearch);
    bool Decode_LN(TIEC_LN& ln, const pugi::xml_node& e, const std::string& ldRef);
    void Decode_LN_DataSet(TIEC_LN& ln, const pugi::xml_node& e, const std::string& ldRef);
    void Decode_LN_Goose(const pugi::xml_node& e, const std::unordered_map<std::string_view, TIEC_DataSet*>& byName);
    bool Decode_DO(TIEC_DO& d, const pugi::xml_node& e, std::string& ref, int depth);
    bool Decode_DA(TIEC_DA& da, const pugi::xml_node& e, std::string& ref, std::string_view FC_Father, int depth);
    bool Decode_DataSet(TIEC_DataSet& ds, const pugi::xml_node& e, const std::string& prefix);

    // Counts what a new object costs; false (and the note, once) when the model would pass its budget.
    bool Take(std::size_t bytes);
    bool DeepEnough(int depth);
    void Refused(std::string_view typeId);
    void Note(std::string text);

    TIEC_LDevice* IndexLDevice(std::string_view inst);
    TIEC_LN* IndexLN(const TIEC_LDevice& ld, std::string_view lnClass);
    TIEC_DO* IndexDO(const TIEC_LN& ln, std::string_view name);
    TIEC_DA* IndexDA(const TIEC_DO& d, std::string_view name);

    TIEC_Device& device_;
    std::unique_ptr<SclTypes> types_;
    std::size_t budget_;
    std::size_t used_ = 0;
    bool full_ = false;
    int maxDepth_;
    bool depthNoted_ = false;
    std::unordered_set<std::string> refusedNoted_;

    // Built on the first look-up in each object, first match in depth-first order (as the
    // Find_ methods would answer), during the second pass only.
    bool ldIndexed_ = false;
    std::unordered_map<std::string_view, TIEC_LDevice*> ldByName_;
    std::unordered_map<const TIEC_LDevice*, std::unordered_map<std::string_view, TIEC_LN*>> lnByClass_;
    std::unordered_map<const TIEC_LN*, std::unordered_map<std::string_view, TIEC_DO*>> doByName_;
    std::unordered_map<const TIEC_DO*, std::unordered_map<std::string_view, TIEC_DA*>> daByName_;
};

bool Decoder::Take(std::size_t bytes)
{
    if (full_)
        return false;
    if (bytes > budget_ - used_) {
        full_ = true;
        Note(core::Lang_Format(kTextModelTooLarge, {device_.fFileName, static_cast<int64_t>(budget_ >> 20)}));
        return false;
    }
    used_ += bytes;
    return true;
}

bool Decoder::DeepEnough(int depth)
{
    if (depth <= maxDepth_)
        return true;
    if (!depthNoted_) {
        depthNoted_ = true;
        Note(core::Lang_Format(kTextModelTooDeep, {device_.fFileName, maxDepth_}));
    }
    return false;
}

void Decoder::Refused(std::string_view typeId)
{
    if (refusedNoted_.insert(std::string(typeId)).second)
        Note(core::Lang_Format(kTextTypeRefersBack, {device_.fFileName, typeId}));
}

void Decoder::Note(std::string text)
{
    if (device_.Notes.size() < kMaxNotes)
        device_.Notes.push_back(std::move(text));
}

// What an object costs: its own size, its texts on the heap and the allocator's bookkeeping, roughly.
template <class T>
std::size_t Cost(std::initializer_list<std::size_t> texts)
{
    std::size_t bytes = sizeof(T) + 32;
    for (std::size_t t : texts)
        bytes += t;
    return bytes;
}

void Decoder::Decode_Device(const SclSource& source)
{
    const pugi::xml_node ied = source.Ied();
    const pugi::xml_node templates = source.Templates();
    if (!source.RootIsScl() || !ied || !templates)
        return;
    if (const auto name = Value(ied, "name"))
        device_.fName = std::string(*name);
    const pugi::xml_node server = ied.child("AccessPoint").child("Server");
    if (!server)
        return;
    types_ = std::make_unique<SclTypes>(templates);

    for (const pugi::xml_node& e : server.children("LDevice")) {
        auto ld = std::make_unique<TIEC_LDevice>();
        if (!Decode_LDevice(*ld, e, device_.fName, false))
            break;
        device_.List_LDevice.push_back(std::move(ld));
        if (full_)
            break;
    }
    // Data sets only once every logical device and its attributes exist: a member may lie in
    // another logical device of the same server.
    std::size_t k = 0;
    for (const pugi::xml_node& e : server.children("LDevice")) {
        if (k >= device_.List_LDevice.size() || full_)
            break;
        Decode_LDevice(*device_.List_LDevice[k++], e, device_.fName, true);
    }
}

bool Decoder::Decode_LDevice(TIEC_LDevice& ld, const pugi::xml_node& e, const std::string& prefix, bool DataSetSearch)
{
    ld.fName = Attr(e, "inst");
    if (!DataSetSearch && !Take(Cost<TIEC_LDevice>({ld.fName.size()})))
        return false;
    const std::string ldRef = prefix + ld.fName;
    std::size_t k = 0;
    for (const pugi::xml_node& c : e.children()) {
        const std::string_view kind = c.name();
        if (c.type() != pugi::node_element || (kind != "LN0" && kind != "LN"))
            continue;
        if (full_)
            break;
        if (DataSetSearch) {
            if (k >= ld.List_LN.size())
                break;
            Decode_LN_DataSet(*ld.List_LN[k++], c, ldRef);
            continue;
        }
        auto ln = std::make_unique<TIEC_LN>();
        if (!Decode_LN(*ln, c, ldRef))
            break;
        ld.List_LN.push_back(std::move(ln));
    }
    return true;
}

bool Decoder::Decode_LN(TIEC_LN& ln, const pugi::xml_node& e, const std::string& ldRef)
{
    ln.flnClass = Attr(e, "lnClass");
    ln.flnType = Attr(e, "lnType");
    ln.fPrefix = Attr(e, "prefix");
    ln.fInst = Attr(e, "inst");
    if (!Take(Cost<TIEC_LN>({ln.flnClass.size(), ln.flnType.size(), ln.fPrefix.size(), ln.fInst.size()})))
        return false;
    TypeEntry* type = ln.flnType.empty() ? nullptr : types_->LNodeType(ln.flnType);
    if (type == nullptr)
        return true;
    std::string ref = ldRef + "/" + ln.fPrefix + ln.flnClass + ln.fInst;
    for (const pugi::xml_node& def : type->Defs) {
        for (const pugi::xml_node& c : def.children("DO")) {
            if (full_ || !DeepEnough(1))
                return true;
            auto d = std::make_unique<TIEC_DO>();
            if (!Decode_DO(*d, c, ref, 1))
                return true;
            ln.List_DO.push_back(std::move(d));
        }
    }
    return true;
}

bool Decoder::Decode_DO(TIEC_DO& d, const pugi::xml_node& e, std::string& ref, int depth)
{
    d.fName = Attr(e, "name");
    if (!Take(Cost<TIEC_DO>({d.fName.size()})))
        return false;
    const std::string_view typeId = Value(e, "type").value_or(std::string_view());
    TypeEntry* type = typeId.empty() ? nullptr : types_->DOType(typeId);
    if (type == nullptr)
        return true;
    if (type->Expanding) {
        Refused(typeId);
        return true;
    }
    const Expanding guard(*type);
    const std::size_t length = ref.size();
    ref += '.';
    ref += d.fName;
    for (const pugi::xml_node& def : type->Defs) {
        for (const pugi::xml_node& c : def.children()) {
            const std::string_view kind = c.name();
            const bool sdo = kind == "SDO";
            if (c.type() != pugi::node_element || (!sdo && kind != "DA"))
                continue;
            if (full_ || !DeepEnough(depth + 1))
                break;
            if (sdo) {
                auto s = std::make_unique<TIEC_DO>();
                if (Decode_DO(*s, c, ref, depth + 1))
                    d.List_DO.push_back(std::move(s));
            } else {
                auto da = std::make_unique<TIEC_DA>();
                if (Decode_DA(*da, c, ref, {}, depth + 1))
                    d.List_DA.push_back(std::move(da));
            }
        }
    }
    ref.resize(length);
    return true;
}

bool Decoder::Decode_DA(TIEC_DA& da, const pugi::xml_node& e, std::string& ref, std::string_view FC_Father, int depth)
{
    da.fName = Attr(e, "name");
    const std::size_t length = ref.size();
    ref += '.';
    ref += da.fName;
    da.fReference = ref;
    da.fbType = Attr(e, "bType");
    da.fFC = std::string(Value(e, "fc").value_or(FC_Father));
    if (!Take(Cost<TIEC_DA>({da.fReference.size(), da.fName.size(), da.fbType.size(), da.fFC.size()}))) {
        ref.resize(length);
        return false;
    }
    // An enumerated attribute is a leaf: its enumeration type is not read.
    const auto typeId = Value(e, "type");
    TypeEntry* type = typeId && da.fbType != "Enum" ? types_->DAType(*typeId) : nullptr;
    if (type != nullptr && type->Expanding) {
        Refused(*typeId);
        type = nullptr;
    }
    if (type != nullptr) {
        const Expanding guard(*type);
        for (const pugi::xml_node& def : type->Defs) {
            for (const pugi::xml_node& c : def.children("BDA")) {
                if (full_ || !DeepEnough(depth + 1))
                    break;
                auto b = std::make_unique<TIEC_DA>();
                if (Decode_DA(*b, c, ref, da.fFC, depth + 1))
                    da.List_DA.push_back(std::move(b));
            }
        }
    }
    ref.resize(length);
    return true;
}

void Decoder::Decode_LN_DataSet(TIEC_LN& ln, const pugi::xml_node& e, const std::string& ldRef)
{
    ln.flnClass = Attr(e, "lnClass");
    const std::string prefix = ldRef + "/" + ln.flnClass;
    if (Attr(e, "lnType").empty())
        return;
    // The first data set of each name, for the GOOSE control blocks.
    std::unordered_map<std::string_view, TIEC_DataSet*> byName;
    for (const pugi::xml_node& c : e.children("DataSet")) {
        auto ds = std::make_unique<TIEC_DataSet>();
        if (!Decode_DataSet(*ds, c, prefix))
            return;
        byName.emplace(ds->fName, ds.get());
        ln.List_DataSet.push_back(std::move(ds));
    }
    for (const pugi::xml_node& c : e.children("GSEControl"))
        Decode_LN_Goose(c, byName);
}

void Decoder::Decode_LN_Goose(const pugi::xml_node& e,
                              const std::unordered_map<std::string_view, TIEC_DataSet*>& byName)
{
    const auto name = Value(e, "name").value_or(std::string_view());
    const auto datSet = Value(e, "datSet").value_or(std::string_view());
    if (name.empty() || datSet.empty())
        return;
    const auto it = byName.find(datSet);
    if (it != byName.end())
        it->second->fGooseName = std::string(name);  // a later control block naming it wins
}

bool Decoder::Decode_DataSet(TIEC_DataSet& ds, const pugi::xml_node& e, const std::string& prefix)
{
    ds.fName = Attr(e, "name");
    ds.fReference = prefix + "." + ds.fName;
    if (!Take(Cost<TIEC_DataSet>({ds.fName.size(), ds.fReference.size()})))
        return false;
    for (const pugi::xml_node& c : e.children("FCDA")) {
        const std::string_view ldInst = Value(c, "ldInst").value_or(std::string_view());
        const std::string_view lnClass = Value(c, "lnClass").value_or(std::string_view());
        const std::string_view doName = Value(c, "doName").value_or(std::string_view());
        const std::string_view daName = Value(c, "daName").value_or(std::string_view());
        if (ldInst.empty() || lnClass.empty() || doName.empty())
            continue;
        const TIEC_LDevice* ld = IndexLDevice(ldInst);
        const TIEC_LN* ln = ld != nullptr ? IndexLN(*ld, lnClass) : nullptr;
        const TIEC_DO* d = ln != nullptr ? IndexDO(*ln, doName) : nullptr;
        if (d == nullptr)
            continue;
        TIEC_DA* da = daName.empty() ? d->Find_First_DA() : IndexDA(*d, daName);
        if (da == nullptr)
            continue;
        if (!Take(sizeof(void*)))
            break;
        ds.List_DA.push_back(da);
    }
    return true;
}

TIEC_LDevice* Decoder::IndexLDevice(std::string_view inst)
{
    if (!ldIndexed_) {
        ldIndexed_ = true;
        for (const auto& ld : device_.List_LDevice)
            ldByName_.emplace(ld->fName, ld.get());
    }
    const auto it = ldByName_.find(inst);
    return it == ldByName_.end() ? nullptr : it->second;
}

TIEC_LN* Decoder::IndexLN(const TIEC_LDevice& ld, std::string_view lnClass)
{
    auto [slot, fresh] = lnByClass_.try_emplace(&ld);
    if (fresh)
        for (const auto& ln : ld.List_LN)
            slot->second.emplace(ln->flnClass, ln.get());
    const auto it = slot->second.find(lnClass);
    return it == slot->second.end() ? nullptr : it->second;
}

void IndexDOs(const std::vector<std::unique_ptr<TIEC_DO>>& list, std::unordered_map<std::string_view, TIEC_DO*>& index)
{
    for (const auto& d : list) {
        index.emplace(d->fName, d.get());
        IndexDOs(d->List_DO, index);
    }
}

void IndexDAs(const std::vector<std::unique_ptr<TIEC_DA>>& list, std::unordered_map<std::string_view, TIEC_DA*>& index)
{
    for (const auto& da : list) {
        index.emplace(da->fName, da.get());
        IndexDAs(da->List_DA, index);
    }
}

TIEC_DO* Decoder::IndexDO(const TIEC_LN& ln, std::string_view name)
{
    auto [slot, fresh] = doByName_.try_emplace(&ln);
    if (fresh)
        IndexDOs(ln.List_DO, slot->second);
    const auto it = slot->second.find(name);
    return it == slot->second.end() ? nullptr : it->second;
}

TIEC_DA* Decoder::IndexDA(const TIEC_DO& d, std::string_view name)
{
    auto [slot, fresh] = daByName_.try_emplace(&d);
    if (fresh)
        IndexDAs(d.List_DA, slot->second);
    const auto it = slot->second.find(name);
    return it == slot->second.end() ? nullptr : it->second;
}

// The budget of one file's model: the floor, a share per byte of the file, at most the ceiling.
std::size_t Budget(const std::filesystem::path& path, const DecodeLimits& limits)
{
    const std::size_t ceiling = std::max(limits.MaxBytes, limits.MinBytes);
    std::size_t budget = limits.MinBytes;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || limits.BytesPerFileByte == 0)
        return budget;
    if (size > (ceiling - budget) / limits.BytesPerFileByte)
        return ceiling;
    return budget + static_cast<std::size_t>(size) * limits.BytesPerFileByte;
}

}  // namespace

TIEC_Device::TIEC_Device(const std::filesystem::path& path, const DecodeLimits& limits)
{
    fFileName = path.filename().string();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return;
    const SclSource source(path, limits.WholeDocument);
    Decoder(*this, Budget(path, limits), limits.MaxDepth).Decode_Device(source);
}

}  // namespace iec
