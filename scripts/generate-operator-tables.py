#!/usr/bin/env python3
"""Generates src/cellular/OperatorTables.cpp from the operator tables in data/operators/, and
src/cellular/ProviderSnapshot.cpp from the system's provider database (mobile-broadband-provider-info), the reviewed
mapping of our operators to its entries (provider-map.tsv) and the operators that ended MMS (mms-ended.tsv).

Run from anywhere: scripts/generate-operator-tables.py [--providers FILE] [--check]. The outputs are committed; the
build never reads these files. Where a row of the source holds a placeholder rather than a value, OVERRIDES below
replaces it (see data/operators/README.md for the reasons). Every mapped entry must exist in the provider database
and hold what the camera needs; --check compares the outputs with the committed files instead of writing them.
"""
import argparse
import csv
import datetime
import pathlib
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "data" / "operators"
OUTPUT = ROOT / "src" / "cellular" / "OperatorTables.cpp"
SNAPSHOT_OUTPUT = ROOT / "src" / "cellular" / "ProviderSnapshot.cpp"
SYSTEM_PROVIDERS = pathlib.Path("/usr/share/mobile-broadband-provider-info/serviceproviders.xml")
PROVIDER_PACKAGE = "mobile-broadband-provider-info"
SLOTS = 10
MMS_COUNTRIES = 44
SMTP_COUNTRIES = 43

# (file, list position, operator position, field) -> (the placeholder in the source, the value used instead).
OVERRIDES = {
    # "MSISDN" stands for the subscriber's own number, which the camera cannot fill in.
    ("mms", 35, 2, "account"): ("MSISDN", ""),
    ("gprs", 35, 1, "account"): ("MSISDN", ""),
    # "*" marks "any value" in the source; the networks take empty credentials.
    ("mms", 21, 3, "account"): ("*", ""),
    ("mms", 21, 3, "password"): ("*", ""),
    ("mms", 21, 5, "account"): ("*", ""),
    ("mms", 21, 5, "password"): ("*", ""),
    ("gprs", 21, 2, "account"): ("*", ""),
    ("gprs", 21, 2, "password"): ("*", ""),
    ("gprs", 21, 4, "account"): ("*", ""),
    ("gprs", 21, 4, "password"): ("*", ""),
    # "default" is a placeholder; an empty access point lets the network choose its default one.
    ("gprs", 37, 0, "apn"): ("default", ""),
}


def read_rows(name, fields, kind):
    with open(DATA / name, encoding="utf-8", newline="") as stream:
        rows = list(csv.DictReader(stream, delimiter="\t"))
    table = {}
    for row in rows:
        position = int(row[list(row)[0]])
        operator = int(row["operator_position"])
        values = [row[field] for field in fields]
        for i, field in enumerate(fields):
            override = OVERRIDES.get((kind, position, operator, field))
            if override:
                assert values[i] == override[0], f"{name}: {position}/{operator} {field} is {values[i]!r}"
                values[i] = override[1]
        table.setdefault(position, []).append((operator, row["operator_name"], values))
    for position, operators in table.items():
        operators.sort()
        assert [o[0] for o in operators] == list(range(len(operators))), f"{name}: gap at {position}"
        assert len(operators) <= SLOTS, f"{name}: too many operators at {position}"
    return table


def literal(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    return f'"{escaped}"'


def emit_tables(lines, prefix, table, count, fields, params_type, params_name):
    assert sorted(table) == list(range(count)), f"{prefix}: positions missing"
    lines.append(f"constexpr std::array<std::int8_t, {count}> k{prefix}OperatorCounts{{")
    lines.append("    " + ", ".join(str(len(table[p])) for p in range(count)) + ",")
    lines.append("};")
    lines.append("")
    lines.append(f"constexpr std::array<OperatorNameRow, {count}> k{prefix}OperatorNames{{{{")
    for p in range(count):
        names = ", ".join(literal(o[1]) for o in table[p])
        lines.append(f"    /* {p:2} */ OperatorNameRow{{{names}}},")
    lines.append("}};")
    lines.append("")
    lines.append(f"constexpr std::array<std::array<{params_type}, kOperatorSlots>, {count}> k{params_name}{{{{")
    for p in range(count):
        lines.append(f"    /* {p:2} */ {{{{")
        for operator, name, values in table[p]:
            lines.append(f"        {params_type}{{{', '.join(literal(v) for v in values)}}}, // {name}")
        lines.append("    }},")
    lines.append("}};")
    lines.append("")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--providers", type=pathlib.Path, default=SYSTEM_PROVIDERS,
                        help="the provider database (serviceproviders.xml)")
    parser.add_argument("--check", action="store_true", help="compare with the committed files, write nothing")
    arguments = parser.parse_args()
    mms_fields = ["url", "apn", "gateway", "port", "account", "password"]
    gprs_fields = ["apn", "account", "password"]
    mms = read_rows("mms-operators.tsv", mms_fields, "mms")
    gprs = read_rows("gprs-operators.tsv", gprs_fields, "gprs")
    lines = [
        "// Generated by scripts/generate-operator-tables.py from data/operators/*.tsv; do not edit by hand.",
        "// Where the values come from and how old they are: data/operators/README.md.",
        "#include \"cellular/OperatorDatabase.h\"",
        "",
        "namespace tamb {",
        "namespace {",
        "",
        "// clang-format off",
    ]
    emit_tables(lines, "Mms", mms, MMS_COUNTRIES, mms_fields, "MmsParameterSet", "MmsOperatorParams")
    emit_tables(lines, "Smtp", gprs, SMTP_COUNTRIES, gprs_fields, "GprsParameterSet", "GprsParams")
    lines += [
        "// clang-format on",
        "",
        "} // namespace",
        "",
        "const std::array<std::int8_t, kCountryCount> MmsOperatorCounts = kMmsOperatorCounts;",
        "const std::array<OperatorNameRow, kCountryCount> MmsOperatorNames = kMmsOperatorNames;",
        "const std::array<std::array<MmsParameterSet, kOperatorSlots>, kCountryCount> MmsOperatorParams = kMmsOperatorParams;",
        "const std::array<std::int8_t, kSmtpCountryCount> SmtpOperatorCounts = kSmtpOperatorCounts;",
        "const std::array<OperatorNameRow, kSmtpCountryCount> SmtpOperatorNames = kSmtpOperatorNames;",
        "const std::array<std::array<GprsParameterSet, kOperatorSlots>, kSmtpCountryCount> GprsParams = kGprsParams;",
        "",
        "static_assert(OperatorListsAreConsistent(kMmsOperatorCounts, kMmsOperatorNames));",
        "static_assert(OperatorListsAreConsistent(kSmtpOperatorCounts, kSmtpOperatorNames));",
        "",
        "} // namespace tamb",
        "",
    ]
    if arguments.check and not made_from(arguments.providers):
        print(f"{arguments.providers} is not the file the snapshot was made from; nothing to compare")
        sys.exit(77)
    outputs = {OUTPUT: "\n".join(lines)}
    outputs[SNAPSHOT_OUTPUT] = snapshot_source(arguments.providers, mms, gprs)
    stale = [path for path, text in outputs.items() if not path.exists() or path.read_text(encoding="utf-8") != text]
    if arguments.check:
        for path in stale:
            print(f"{path.relative_to(ROOT)} differs from what the data gives; run {pathlib.Path(__file__).name}")
        sys.exit(1 if stale else 0)
    for path in stale:
        path.write_text(outputs[path], encoding="utf-8")


# --- The provider database snapshot -------------------------------------------------------------------------------

# The limits of the fields that the dialogs hand to the files.
MMS_LIMITS = {"url": 50, "apn": 30, "gateway": 20, "port": 10, "account": 30, "password": 30}
GPRS_LIMITS = {"apn": 32, "account": 32, "password": 32}


def made_from(path):
    """True when `path` is the file the committed snapshot was made from (same modification time)."""
    if not path.exists() or not SNAPSHOT_OUTPUT.exists():
        return False
    stamp = re.search(r"ProviderSnapshotFileTime = (\d+);", SNAPSHOT_OUTPUT.read_text(encoding="utf-8"))
    return stamp is not None and int(stamp.group(1)) == int(path.stat().st_mtime)


def read_providers(path):
    """Every access point of the database as (key, fields), key = (network code, provider, apn, apn name)."""
    entries = {}
    for country in ElementTree.parse(path).getroot().findall("country"):
        for provider in country.findall("provider"):
            gsm = provider.find("gsm")
            if gsm is None:
                continue
            name = provider.findtext("name") or ""
            codes = [f"{n.get('mcc')}-{n.get('mnc')}" for n in gsm.findall("network-id")]
            for apn in gsm.findall("apn"):
                usage = apn.find("usage")
                fields = {
                    "usage": usage.get("type") if usage is not None else "internet",
                    "apn": apn.get("value") or "",
                    "account": (apn.findtext("username") or "").strip(),
                    "password": (apn.findtext("password") or "").strip(),
                    "mmsc": (apn.findtext("mmsc") or "").strip(),
                    "mmsproxy": (apn.findtext("mmsproxy") or "").strip(),
                }
                for code in codes:
                    key = (code, name, fields["apn"], (apn.findtext("name") or "").strip())
                    entries.setdefault(key, []).append(fields)
    return entries


def snapshot_date(path):
    """The date of the data: the package version (a date) where dpkg knows the file, else the file's own date."""
    try:
        version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", PROVIDER_PACKAGE], capture_output=True,
                                 text=True, check=True).stdout
        if path.resolve() == SYSTEM_PROVIDERS and re.match(r"\d{8}", version):
            return f"{version[0:4]}-{version[4:6]}-{version[6:8]}"
    except (OSError, subprocess.CalledProcessError):
        pass
    return datetime.datetime.fromtimestamp(path.stat().st_mtime, datetime.timezone.utc).strftime("%Y-%m-%d")


def mapped_values(entries, row, kind):
    """The camera's values for a mapping row; stops the generator when the entry is missing or unusable."""
    where = f"provider-map.tsv: {kind} {row['position']}/{row['operator_position']} {row['operator_name']}"
    name, _, ordinal = row["apn_name"].partition("#")
    key = (row["network_code"], row["provider"], row["apn"], name)
    found = entries.get(key, [])
    index = int(ordinal or 1) - 1
    assert 0 <= index < len(found), f"{where}: no entry {key} in the provider database"
    assert ordinal or len(found) == 1, f"{where}: {len(found)} entries {key}; name one with #N"
    entry = found[index]
    if kind == "mms":
        assert "mms" in entry["usage"], f"{where}: {key} is not an MMS access point"
        gateway, _, port = entry["mmsproxy"].rpartition(":")
        assert entry["mmsc"] and gateway and port.isdigit(), f"{where}: {key} lacks MMS centre or proxy host:port"
        values = {"url": entry["mmsc"], "apn": entry["apn"], "gateway": gateway, "port": port,
                  "account": entry["account"], "password": entry["password"]}
        limits = MMS_LIMITS
    else:
        assert "internet" in entry["usage"], f"{where}: {key} is not an internet access point"
        values = {"apn": entry["apn"], "account": entry["account"], "password": entry["password"]}
        limits = GPRS_LIMITS
    for field, limit in limits.items():
        assert len(values[field]) <= limit and values[field].isascii(), f"{where}: {field} {values[field]!r}"
    return values


def read_mapping(entries, mms, gprs):
    """The mapped rows by (kind, position, operator); every operator of both tables must have exactly one row."""
    with open(DATA / "provider-map.tsv", encoding="utf-8", newline="") as stream:
        rows = list(csv.DictReader(stream, delimiter="\t"))
    mapping = {}
    for row in rows:
        key = (row["table"], int(row["position"]), int(row["operator_position"]))
        assert key not in mapping, f"provider-map.tsv: {key} twice"
        table = mms if key[0] == "mms" else gprs
        operators = table.get(key[1], [])
        assert key[2] < len(operators) and operators[key[2]][1] == row["operator_name"], f"provider-map.tsv: {key}"
        mapping[key] = None if row["network_code"] == "none" else (row, mapped_values(entries, row, key[0]))
    for kind, table in (("mms", mms), ("gprs", gprs)):
        for position, operators in table.items():
            for operator in operators:
                assert (kind, position, operator[0]) in mapping, f"provider-map.tsv: {kind} {position} missing"
    return mapping


def read_mms_ended(mms):
    """(country index, operator position, date) of every operator that ended MMS."""
    with open(DATA / "mms-operators.tsv", encoding="utf-8", newline="") as stream:
        names = {(r["country"], r["operator_name"].strip()): (int(r["country_index"]), int(r["operator_position"]))
                 for r in csv.DictReader(stream, delimiter="\t")}
    ended = []
    with open(DATA / "mms-ended.tsv", encoding="utf-8", newline="") as stream:
        for row in csv.DictReader(stream, delimiter="\t"):
            position = names.get((row["country"], row["operator"]))
            assert position, f"mms-ended.tsv: no MMS operator {row['operator']} in {row['country']}"
            assert re.fullmatch(r"\d{4}-\d{2}-\d{2}", row["date"]), f"mms-ended.tsv: date {row['date']}"
            assert row["source"].strip(), f"mms-ended.tsv: {row['operator']} has no source"
            ended.append((*position, row["date"]))
    return sorted(ended)


def snapshot_source(providers, mms, gprs):
    entries = read_providers(providers)
    mapping = read_mapping(entries, mms, gprs)
    lines = [
        "// Generated by scripts/generate-operator-tables.py from the provider database (mobile-broadband-provider-info)",
        "// and data/operators/provider-map.tsv, mms-ended.tsv; do not edit by hand.",
        "#include \"cellular/ProviderSnapshot.h\"",
        "",
        "namespace tamb {",
        "",
        f"const std::string_view ProviderSnapshotDate = \"{snapshot_date(providers)}\";",
        f"const std::int64_t ProviderSnapshotFileTime = {int(providers.stat().st_mtime)};",
        "",
        "// clang-format off",
    ]
    for kind, table, count, params_type, fields, name in (
            ("mms", mms, MMS_COUNTRIES, "MmsParameterSet", list(MMS_LIMITS), "ProviderMmsSnapshot"),
            ("gprs", gprs, SMTP_COUNTRIES, "GprsParameterSet", list(GPRS_LIMITS), "ProviderGprsSnapshot")):
        entry_type = "ProviderMmsEntry" if kind == "mms" else "ProviderGprsEntry"
        lines.append(f"const std::array<std::array<{entry_type}, kOperatorSlots>, {count}> {name}{{{{")
        for position in range(count):
            lines.append(f"    /* {position:2} */ {{{{")
            for operator, operator_name, _ in table[position]:
                mapped = mapping[(kind, position, operator)]
                if mapped is None:
                    lines.append(f"        {{}}, // {operator_name}: not in the provider database")
                    continue
                row, values = mapped
                name_part, _, ordinal = row["apn_name"].partition("#")
                key = ", ".join(literal(row[field]) for field in ("network_code", "provider", "apn"))
                params = ", ".join(literal(values[field]) for field in fields)
                lines.append(f"        {{.key = {{{key}, {literal(name_part)}, {int(ordinal or 1)}}},")
                lines.append(f"         .values = {params_type}{{{params}}}}}, // {operator_name}")
            lines.append("    }},")
        lines.append("}};")
        lines.append("")
    ended = read_mms_ended(mms)
    lines.append(f"const std::array<MmsEndedEntry, {len(ended)}> MmsEndedOperators{{{{")
    for country, operator, date in ended:
        lines.append(f"    {{.countryIndex = {country}, .operatorPosition = {operator}, .date = \"{date}\"}},")
    lines += ["}};", "// clang-format on", "", "} // namespace tamb", ""]
    return "\n".join(lines)


if __name__ == "__main__":
    main()
