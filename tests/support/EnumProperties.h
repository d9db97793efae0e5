#pragma once

#include <QMetaEnum>
#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QVariant>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// A control's enumeration properties as a Qt user meets them: through the meta-object
// system, read and written by key name.
namespace orvtest {

struct TEnumWrite {
    const char* Property;
    const char* Key;
};

/// Every property whose type is an enumeration or a set of flags is one to Qt, with keys
/// for its value; each write by key name reads back as that key.
inline void ExpectEnumPropertiesByKey(QObject& object, std::initializer_list<TEnumWrite> writes)
{
    const QMetaObject* meta = object.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.metaType().flags().testFlag(QMetaType::IsEnumeration))
            continue;
        const std::string name = std::string(meta->className()) + "::" + property.name();
        EXPECT_TRUE(property.isEnumType()) << name << " of type " << property.typeName();
        const QMetaEnum enumerator = property.enumerator();
        const int value = property.read(&object).toInt();
        if (enumerator.isFlag())
            EXPECT_TRUE(value == 0 || !enumerator.valueToKeys(value).isEmpty()) << name;
        else
            EXPECT_NE(enumerator.valueToKey(value), nullptr) << name;
    }
    for (const TEnumWrite& write : writes) {
        const QMetaProperty property = meta->property(meta->indexOfProperty(write.Property));
        ASSERT_TRUE(property.isValid()) << write.Property;
        EXPECT_TRUE(object.setProperty(write.Property, QString::fromLatin1(write.Key))) << write.Property;
        const char* key = property.enumerator().valueToKey(property.read(&object).toInt());
        EXPECT_STREQ(key, write.Key) << meta->className() << "::" << write.Property;
    }
}

} // namespace orvtest
