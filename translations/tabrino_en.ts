<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BillingCycle</name>
    <message numerus="yes">
        <source>%nd</source>
        <extracomment>After a price and a slash, a custom cycle of %n days: &quot;$5/10d&quot;</extracomment>
        <translation>
            <numerusform>%nd</numerusform>
            <numerusform>%nd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n days</source>
        <translation>
            <numerusform>Every day</numerusform>
            <numerusform>Every %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 every %Ln days</source>
        <extracomment>%1 is the price of one charge (&quot;$9.99&quot;), charged every %Ln days</extracomment>
        <translation>
            <numerusform>%1 every day</numerusform>
            <numerusform>%1 every %Ln days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message numerus="yes">
        <source>%n values where the header names %1</source>
        <extracomment>Why a line of an imported file is not read, after &quot;line 7: &quot;: it has %n values where the header row names %1 columns</extracomment>
        <translation>
            <numerusform>%n value where the header names %1</numerusform>
            <numerusform>%n values where the header names %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormRules</name>
    <message numerus="yes">
        <source>Default (%n days before)</source>
        <extracomment>The reminder choice that follows the billing cycle: a reminder %n days before each charge</extracomment>
        <translation>
            <numerusform>Default (%n day before)</numerusform>
            <numerusform>Default (%n days before)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RelativeDateText</name>
    <message numerus="yes">
        <source>In %Ln days</source>
        <extracomment>When a charge comes, on its own under its price in the list or the Up Next strip; %Ln is 2 or more</extracomment>
        <translation>
            <numerusform>In %Ln day</numerusform>
            <numerusform>In %Ln days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SubscriptionFormView</name>
    <message numerus="yes">
        <source>days</source>
        <extracomment>After a custom cycle&apos;s day count: &quot;Every [30] days&quot;</extracomment>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::ConversionNote</name>
    <message numerus="yes">
        <source>%Ln subscriptions in %1</source>
        <extracomment>The first currency the totals leave out; %1 is its code (&quot;CHF&quot;)</extracomment>
        <translation>
            <numerusform>%Ln subscription in %1</numerusform>
            <numerusform>%Ln subscriptions in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln in %1</source>
        <extracomment>A further currency the totals leave out, after &quot;2 subscriptions in CHF, &quot;; %1 is its code (&quot;XYZ&quot;)</extracomment>
        <translation>
            <numerusform>%Ln in %1</numerusform>
            <numerusform>%Ln in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::EditingChoices</name>
    <message numerus="yes">
        <source>%n days before</source>
        <extracomment>A reminder choice: a reminder %n days before each charge</extracomment>
        <translation>
            <numerusform>%n day before</numerusform>
            <numerusform>%n days before</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::ImportPreview</name>
    <message numerus="yes">
        <source>New (%Ln)</source>
        <extracomment>Heading of the import preview&apos;s subscriptions that are not tracked yet, with their count</extracomment>
        <translation>
            <numerusform>New (%Ln)</numerusform>
            <numerusform>New (%Ln)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Will be updated (%Ln)</source>
        <extracomment>Heading of the import preview&apos;s subscriptions already tracked, which the import updates, with their count</extracomment>
        <translation>
            <numerusform>Will be updated (%Ln)</numerusform>
            <numerusform>Will be updated (%Ln)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Will be skipped (%Ln)</source>
        <extracomment>Heading of the import preview&apos;s subscriptions already tracked, which the import leaves as they are, with their count</extracomment>
        <translation>
            <numerusform>Will be skipped (%Ln)</numerusform>
            <numerusform>Will be skipped (%Ln)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Can&apos;t be read (%Ln)</source>
        <extracomment>Heading of the import preview&apos;s lines that cannot be read, with their count</extracomment>
        <translation>
            <numerusform>Can&apos;t be read (%Ln)</numerusform>
            <numerusform>Can&apos;t be read (%Ln)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new</source>
        <extracomment>A count in the import preview&apos;s summary: subscriptions not tracked yet</extracomment>
        <translation>
            <numerusform>%Ln new</numerusform>
            <numerusform>%Ln new</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already tracked</source>
        <extracomment>A count in the import preview&apos;s summary: subscriptions the file holds that are tracked already</extracomment>
        <translation>
            <numerusform>%Ln already tracked</numerusform>
            <numerusform>%Ln already tracked</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln can&apos;t be read</source>
        <extracomment>A count in the import preview&apos;s summary: lines of the file that cannot be read</extracomment>
        <translation>
            <numerusform>%Ln can&apos;t be read</numerusform>
            <numerusform>%Ln can&apos;t be read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %Ln and update %L1</source>
        <extracomment>The import button: adds %Ln new subscriptions and updates %L1 tracked ones</extracomment>
        <translation>
            <numerusform>Import %Ln and update %L1</numerusform>
            <numerusform>Import %Ln and update %L1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %Ln</source>
        <extracomment>The import button: updates %Ln tracked subscriptions from the file</extracomment>
        <translation>
            <numerusform>Update %Ln</numerusform>
            <numerusform>Update %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %Ln</source>
        <extracomment>The import button: adds %Ln new subscriptions</extracomment>
        <translation>
            <numerusform>Import %Ln</numerusform>
            <numerusform>Import %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::NotificationService</name>
    <message numerus="yes">
        <source>%1 trial ends in %Ln days</source>
        <extracomment>A reminder&apos;s title; %1 is the subscription&apos;s name, %Ln the days left of its free trial (2 or more)</extracomment>
        <translation>
            <numerusform>%1 trial ends in %Ln day</numerusform>
            <numerusform>%1 trial ends in %Ln days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::SettingsPresenter</name>
    <message numerus="yes">
        <source>Archived (%Ln)</source>
        <extracomment>Heading of the settings&apos; section of archived subscriptions, with their count</extracomment>
        <translation>
            <numerusform>Archived (%Ln)</numerusform>
            <numerusform>Archived (%Ln)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::SubscriptionRowPresenter</name>
    <message numerus="yes">
        <source>Converts in %Ln days</source>
        <extracomment>Under a price: the free trial becomes a paid subscription in %Ln days (2 or more)</extracomment>
        <translation>
            <numerusform>Converts in %Ln day</numerusform>
            <numerusform>Converts in %Ln days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Trial converts in %Ln days.</source>
        <extracomment>Spoken for a subscription on its free trial; %Ln is 2 or more</extracomment>
        <translation>
            <numerusform>Trial converts in %Ln day.</numerusform>
            <numerusform>Trial converts in %Ln days.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renews in %Ln days.</source>
        <extracomment>Spoken for a subscription: when it next charges; %Ln is 2 or more</extracomment>
        <translation>
            <numerusform>Renews in %Ln day.</numerusform>
            <numerusform>Renews in %Ln days.</numerusform>
        </translation>
    </message>
</context>
</TS>
