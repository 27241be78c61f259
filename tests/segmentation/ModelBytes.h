#pragma once

// Writes small TFLite models for the reader's tests: a FlatBuffer laid out front to back (each
// table's vtable just before it, every referenced object after the field that refers to it).

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace model_bytes {

class Writer {
public:
    // A field of a table: a scalar of 1 or 4 bytes, or an offset to an object written later.
    struct Field {
        int index;
        int size;  // 1, 4, or 0 for an offset
        int64_t value = 0;
        std::function<std::size_t(Writer&)> object = {};
    };

    std::vector<uint8_t> bytes;

    void Align() {
        while (bytes.size() % 4) bytes.push_back(0);
    }
    template <typename T>
    void Put(std::size_t at, T value) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
    }
    std::size_t Append(std::size_t size) {
        const std::size_t at = bytes.size();
        bytes.resize(at + size, 0);
        return at;
    }

    std::size_t Table(const std::vector<Field>& fields) {
        Align();
        int slots = 0;
        for (const auto& f : fields) slots = std::max(slots, f.index + 1);
        const std::size_t vtable = Append(4 + 2 * slots + (slots % 2 ? 2 : 0));
        const std::size_t table = Append(4);
        std::vector<std::size_t> fieldAt(fields.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            fieldAt[i] = Append(4);
            const Field& f = fields[i];
            if (f.size == 1) Put<int8_t>(fieldAt[i], static_cast<int8_t>(f.value));
            if (f.size == 4) Put<int32_t>(fieldAt[i], static_cast<int32_t>(f.value));
            Put<uint16_t>(vtable + 4 + 2 * f.index, static_cast<uint16_t>(fieldAt[i] - table));
        }
        Put<uint16_t>(vtable, static_cast<uint16_t>(table - vtable));
        Put<uint16_t>(vtable + 2, static_cast<uint16_t>(bytes.size() - table));
        Put<int32_t>(table, static_cast<int32_t>(table - vtable));
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].object) {
                const std::size_t object = fields[i].object(*this);
                Put<uint32_t>(fieldAt[i], static_cast<uint32_t>(object - fieldAt[i]));
            }
        return table;
    }

    std::size_t Bytes(const std::vector<uint8_t>& data) {
        Align();
        const std::size_t at = Append(4 + data.size());
        Put<uint32_t>(at, static_cast<uint32_t>(data.size()));
        if (!data.empty()) std::memcpy(bytes.data() + at + 4, data.data(), data.size());
        return at;
    }
    std::size_t Ints(const std::vector<int32_t>& values) {
        std::vector<uint8_t> data(values.size() * 4);
        if (!values.empty()) std::memcpy(data.data(), values.data(), data.size());
        Align();
        const std::size_t at = Append(4 + data.size());
        Put<uint32_t>(at, static_cast<uint32_t>(values.size()));
        if (!data.empty()) std::memcpy(bytes.data() + at + 4, data.data(), data.size());
        return at;
    }
    std::size_t Tables(const std::vector<std::function<std::size_t(Writer&)>>& tables) {
        Align();
        const std::size_t at = Append(4 + 4 * tables.size());
        Put<uint32_t>(at, static_cast<uint32_t>(tables.size()));
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const std::size_t table = tables[i](*this);
            Put<uint32_t>(at + 4 + 4 * i, static_cast<uint32_t>(table - (at + 4 + 4 * i)));
        }
        return at;
    }
};

inline std::function<std::size_t(Writer&)> IntsOf(std::vector<int32_t> values) {
    return [values](Writer& w) { return w.Ints(values); };
}
inline std::function<std::size_t(Writer&)> BytesOf(std::vector<uint8_t> data) {
    return [data](Writer& w) { return w.Bytes(data); };
}
inline std::function<std::size_t(Writer&)> StringOf(const std::string& text) {
    return BytesOf(std::vector<uint8_t>(text.begin(), text.end()));
}

struct Tensor {
    std::vector<int32_t> shape;
    int type = 0;  // 0 float32, 1 float16, 2 int32
    std::vector<uint8_t> data = {};
};
struct Operator {
    int code;  // index into the model's operator codes
    std::vector<int32_t> inputs, outputs;
    int optionsType = 0;
    std::vector<Writer::Field> options = {};
    std::vector<uint8_t> custom = {};
};
struct Code {
    int32_t builtin;
    std::string custom;
};

// A model of one subgraph; each tensor with data gets a buffer of its own (buffer 0 is empty).
inline std::vector<uint8_t> Build(const std::vector<Code>& codes,
                                  const std::vector<Tensor>& tensors,
                                  const std::vector<Operator>& operators,
                                  std::vector<int32_t> inputs, std::vector<int32_t> outputs) {
    using F = Writer::Field;
    Writer w;
    w.Append(4);
    w.bytes.insert(w.bytes.end(), {'T', 'F', 'L', '3'});
    std::vector<std::function<std::size_t(Writer&)>> codeTables, tensorTables, operatorTables,
        bufferTables;
    for (const Code& c : codes) {
        std::vector<F> fields{
            {0, 1, std::min<int32_t>(c.builtin, 127)}, {2, 4, 1}, {3, 4, c.builtin}};
        if (!c.custom.empty()) fields.push_back({1, 0, 0, StringOf(c.custom)});
        codeTables.push_back([fields](Writer& x) { return x.Table(fields); });
    }
    bufferTables.push_back([](Writer& x) { return x.Table({}); });
    for (std::size_t t = 0; t < tensors.size(); ++t) {
        const Tensor& tensor = tensors[t];
        int buffer = 0;
        if (!tensor.data.empty()) {
            buffer = static_cast<int>(bufferTables.size());
            const auto data = tensor.data;
            bufferTables.push_back([data](Writer& x) {
                return x.Table({{0, 0, 0, BytesOf(data)}});
            });
        }
        const std::vector<F> fields{{0, 0, 0, IntsOf(tensor.shape)},
                                    {1, 1, tensor.type},
                                    {2, 4, buffer},
                                    {3, 0, 0, StringOf("t" + std::to_string(t))}};
        tensorTables.push_back([fields](Writer& x) { return x.Table(fields); });
    }
    for (const Operator& op : operators) {
        std::vector<F> fields{
            {0, 4, op.code}, {1, 0, 0, IntsOf(op.inputs)}, {2, 0, 0, IntsOf(op.outputs)}};
        if (op.optionsType) {
            const auto options = op.options;
            fields.push_back({3, 1, op.optionsType});
            fields.push_back({4, 0, 0, [options](Writer& x) { return x.Table(options); }});
        }
        if (!op.custom.empty()) fields.push_back({5, 0, 0, BytesOf(op.custom)});
        operatorTables.push_back([fields](Writer& x) { return x.Table(fields); });
    }
    const auto subgraph = [=](Writer& x) {
        return x.Table({{0, 0, 0, [=](Writer& y) { return y.Tables(tensorTables); }},
                        {1, 0, 0, IntsOf(inputs)},
                        {2, 0, 0, IntsOf(outputs)},
                        {3, 0, 0, [=](Writer& y) { return y.Tables(operatorTables); }}});
    };
    const std::size_t root =
        w.Table({{0, 4, 3},
                 {1, 0, 0, [=](Writer& x) { return x.Tables(codeTables); }},
                 {2, 0, 0, [=](Writer& x) { return x.Tables({subgraph}); }},
                 {4, 0, 0, [=](Writer& x) { return x.Tables(bufferTables); }}});
    w.Put<uint32_t>(0, static_cast<uint32_t>(root));
    return w.bytes;
}

inline std::vector<uint8_t> Floats(const std::vector<float>& values) {
    std::vector<uint8_t> data(values.size() * 4);
    std::memcpy(data.data(), values.data(), data.size());
    return data;
}
inline std::vector<uint8_t> Halves(const std::vector<uint16_t>& values) {
    std::vector<uint8_t> data(values.size() * 2);
    std::memcpy(data.data(), values.data(), data.size());
    return data;
}

}  // namespace model_bytes
